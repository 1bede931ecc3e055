#pragma once
// The views of a finished run that the desktop offers in its console window.
#include <vector>

#include "dialogs/platform.hpp"
#include "store/store.hpp"

namespace mirval::desktop {

// The plan of the cave after a complete run (none without desktop windows or
// without a computed station).
std::vector<RunView> finishedRunViews(const Store& s);

}  // namespace mirval::desktop
