// The desktop windows linked into the program.
#include "app/desktop_windows.hpp"

extern "C" const mirval::DesktopWindows* mirvalDesktopWindows();

namespace mirval {

const DesktopWindows* desktopWindows() { return mirvalDesktopWindows(); }

}  // namespace mirval
