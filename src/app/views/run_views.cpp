// The desktop's views of a finished run: the plan, the loop closures and the adjustment.
#include "app/views/run_views.hpp"

#include <memory>

#include "app/views/plan_window.hpp"
#include "app/views/report_window.hpp"
#include "writers/adjustment/adjustment_report.hpp"
#include "writers/closures/closure_report.hpp"

namespace mirval::desktop {

namespace {

// The run's views, each worked out when first shown.
class FinishedViews {
public:
    explicit FinishedViews(const FinishedRun& run) : run_(run) {}

    const ClosureAnalysis& closures() const { return *run_.closures; }
    const PlanModel& plan() {
        if (!plan_) {
            plan_ = std::make_unique<PlanModel>(planOfSurvey(run_.store));
            if (run_.adjustment) {
                addAdjustment(*plan_, run_.store, closures(), *run_.adjustment);
            } else {
                addClosures(*plan_, run_.store, closures());
            }
        }
        return *plan_;
    }
    void showClosures() {
        showReport("Fechamentos dos laços", "Fechamentos",
                   reportText([this](OutputFile& out) { WRTFCH(run_.store, closures(), out); }), run_.closureReportName,
                   run_.saveReport);
    }
    bool adjusted() const { return run_.adjustment.has_value(); }
    void showAdjustment() {
        showReport("Ajustamento da rede", "Ajustamento",
                   reportText([this](OutputFile& out) { WRTAJU(run_.store, *run_.adjustment, out); }),
                   run_.adjustmentReportName, run_.saveReport);
    }
    bool hasStations() const {
        const Table<int>& known = run_.store.stations.known;
        for (int i = 1; i <= kCapacity; ++i) {
            if (known[i] != 0) return true;
        }
        return false;
    }

private:
    template <class Writer>
    static std::string reportText(Writer write) {
        OutputFile out;
        out.openInMemory();
        write(out);
        return out.text();
    }

    FinishedRun run_;
    std::unique_ptr<PlanModel> plan_;
};

}  // namespace

std::vector<RunView> finishedRunViews(const FinishedRun& run) {
    auto views = std::make_shared<FinishedViews>(run);
    if (!views->hasStations() || !run.closures) return {};
    std::vector<RunView> shown = {{"&Planta da gruta", [views] { showPlan(views->plan()); }},
                                  {"F&echamentos", [views] { views->showClosures(); }}};
    if (views->adjusted()) shown.push_back({"A&justamento", [views] { views->showAdjustment(); }});
    return shown;
}

}  // namespace mirval::desktop
