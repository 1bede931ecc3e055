#pragma once
// The views of a finished run that the desktop offers in its console window.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/platform.hpp"
#include "store/closure_results.hpp"
#include "store/store.hpp"

namespace mirval::desktop {

// A complete run as its views see it.
struct FinishedRun {
    const Store& store;
    std::optional<ClosureAnalysis> closures;  // when the run analysed them (--closures)
    std::string closureReportName;            // NAME.fch, where the closures window saves
    // saves the report as the run saves its outputs; the message of a failure, or nothing
    std::function<std::string(const std::string& reportText)> saveClosureReport;
};

// The plan of the cave and the loop closures ("Fechamentos"), each worked out
// when first shown; none without desktop windows.
std::vector<RunView> finishedRunViews(const FinishedRun& run);

}  // namespace mirval::desktop
