#pragma once
// The views of a finished run that the desktop offers in its console window.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/views/report_window.hpp"
#include "dialogs/platform.hpp"
#include "store/adjustment_results.hpp"
#include "store/closure_results.hpp"
#include "store/store.hpp"

namespace mirval::desktop {

// A complete run as its views see it.
struct FinishedRun {
    const Store& store;
    std::optional<ClosureAnalysis> closures;  // of the dead-reckoned network; no views without them
    std::string closureReportName;            // NAME.fch, where the closures window saves
    std::optional<AdjustmentResults> adjustment;  // when the run adjusted the network
    std::string adjustmentReportName;             // NAME.aju, where the adjustment window saves
    // saves a report as the run saves its outputs; the message of a failure, or nothing
    ReportSaver saveReport;
};

// The plan of the cave, the loop closures ("Fechamentos") and, when the run
// adjusted the network, the adjustment ("Ajustamento"), each worked out when
// first shown; none without desktop windows.
std::vector<RunView> finishedRunViews(const FinishedRun& run);

}  // namespace mirval::desktop
