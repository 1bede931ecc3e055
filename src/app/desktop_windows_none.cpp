// Built without FLTK: no desktop windows.
#include "app/desktop_windows.hpp"

namespace mirval {

const DesktopWindows* desktopWindows() { return nullptr; }

}  // namespace mirval
