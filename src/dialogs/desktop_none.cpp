// Built without FLTK: no desktop windows.
#include "dialogs/desktop.hpp"

namespace mirval {

std::unique_ptr<Platform> makeDesktopPlatform(const std::vector<std::string>&) { return nullptr; }

}  // namespace mirval
