#pragma once
// The driver: one run of the program on a platform, with the survey store it owns.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analyses/declination.hpp"
#include "app/output_names.hpp"
#include "app/run_outputs.hpp"
#include "dialogs/platform.hpp"
#include "store/adjustment_results.hpp"
#include "store/closure_results.hpp"
#include "store/store.hpp"

namespace mirval {

// What the command line asks of a run beyond the files.
struct RunOptions {
    // --closures: the loop-closure report NAME.fch, with these standard deviations
    std::optional<InstrumentErrors> closureReport;
    // --adjust: the least-squares network in every coordinate-bearing output,
    // and its report NAME.aju
    std::optional<AdjustmentRequest> adjustment;
    // --declination auto, --grid-convergence: the turn of the azimuths worked
    // out from the survey's date and place
    DeclinationOptions declination;
    // the profile files of the command line, whose drawings are claimed with the
    // survey's outputs
    std::vector<std::string> profileFiles;
};

struct SurveyInput;

class Driver {
public:
    explicit Driver(Platform& platform, RunOptions options = {});

    // MIRVAL, the run: start window, file chooser, result window, reader,
    // reduction, listings, writers, profile loop and credits. Returns after a
    // complete run or "Exit"; a failure ends it with a RunStop.
    void MIRVAL();

    // The views of the reduced survey the desktop offers after a complete run:
    // the plan, the loop closures and the adjustment (whose reports are saved as
    // the run's outputs are).
    std::vector<RunView> finishedViews();

private:
    std::optional<std::string> chooseSurvey();
    void processSurvey(const SurveyInput& input, SurveyFormat format);
    void analyseLoops(Store& s, const std::string& surveyPath);
    void writeReducedSurvey(const Store& s, const OutputNames& names, OutputFile& resultListing);
    // A report window's save; the message of a failure, or nothing.
    std::string saveReport(const std::string& name, const std::string& text);

    Platform& platform_;
    RunOptions options_;
    StorePtr store_;  // the run's survey store: large, and touched only where the survey needs it
    std::unique_ptr<RunOutputs> outputs_;  // once the survey is chosen
    std::optional<ClosureAnalysis> closures_;  // of the dead-reckoned network, when reported or viewed
    std::string closureReportName_;
    std::optional<AdjustmentRequest> adjustmentRequest_;  // from the command line or the start window
    DeclinationOptions declination_;                      // likewise
    std::optional<AdjustmentResults> adjustment_;
    std::string adjustmentReportName_;
    StorePtr reckoned_;  // the store before the adjustment, for the files that carry the readings
    bool complete_ = false;
};

}  // namespace mirval
