#pragma once
// The desktop windows, where the program has them. On Linux they live in a
// module of their own, loaded only when windows are wanted: a batch run never
// loads the toolkit and its libraries.
#include <memory>
#include <string>
#include <vector>

#include "app/views/run_views.hpp"
#include "dialogs/platform.hpp"

namespace mirval {

struct DesktopWindows {
    // The desktop platform; nullptr when no display is available. The files of
    // the command line, when given, answer the file chooser.
    std::unique_ptr<Platform> (*makePlatform)(const std::vector<std::string>& chooserAnswers);
    // The views the console window offers once a run is complete.
    std::vector<RunView> (*finishedRunViews)(const desktop::FinishedRun& run);
};

// The windows, or nullptr when the program has none (built without FLTK, or
// its module is missing).
const DesktopWindows* desktopWindows();

}  // namespace mirval
