// The desktop's views of a finished run: the plan and the loop closures.
#include "app/views/run_views.hpp"

#include <memory>

#include "analyses/closures.hpp"
#include "app/views/closures_window.hpp"
#include "app/views/plan_window.hpp"
#include "writers/closures/closure_report.hpp"

namespace mirval::desktop {

namespace {

// The run's figures for its views, worked out when a view first needs them.
class FinishedViews {
public:
    explicit FinishedViews(const FinishedRun& run) : run_(run) {}

    const ClosureAnalysis& closures() {
        if (!run_.closures) run_.closures = analyseClosures(run_.store, InstrumentErrors{});
        return *run_.closures;
    }
    const PlanModel& plan() {
        if (!plan_) {
            plan_ = std::make_unique<PlanModel>(planOfSurvey(run_.store));
            addClosures(*plan_, run_.store, closures());
        }
        return *plan_;
    }
    std::string report() {
        OutputFile out;
        out.openInMemory();
        WRTFCH(run_.store, closures(), out);
        return out.text();
    }
    const std::string& reportName() const { return run_.closureReportName; }
    std::string saveReport(const std::string& text) const { return run_.saveClosureReport(text); }
    bool hasStations() const {
        const Table<int>& known = run_.store.stations.known;
        for (int i = 1; i <= kCapacity; ++i) {
            if (known[i] != 0) return true;
        }
        return false;
    }

private:
    FinishedRun run_;
    std::unique_ptr<PlanModel> plan_;
};

}  // namespace

std::vector<RunView> finishedRunViews(const FinishedRun& run) {
    auto views = std::make_shared<FinishedViews>(run);
    if (!views->hasStations()) return {};
    return {{"&Planta da gruta", [views] { showPlan(views->plan()); }},
            {"F&echamentos", [views] {
                 showClosures(views->report(), views->reportName(),
                              [views](const std::string& text) { return views->saveReport(text); });
             }}};
}

}  // namespace mirval::desktop
