// Without desktop windows a finished run offers no view.
#include "app/views/run_views.hpp"

namespace mirval::desktop {

std::vector<RunView> finishedRunViews(const FinishedRun&) { return {}; }

}  // namespace mirval::desktop
