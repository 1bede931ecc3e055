// The entry of the desktop windows: linked into the program, or the one symbol
// its loadable module exports.
#include "app/desktop_windows.hpp"
#include "dialogs/desktop.hpp"

namespace {

const mirval::DesktopWindows kWindows{mirval::makeDesktopPlatform, mirval::desktop::finishedRunViews};

}  // namespace

extern "C" __attribute__((visibility("default"))) const mirval::DesktopWindows* mirvalDesktopWindows() {
    return &kWindows;
}
