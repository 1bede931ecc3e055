#pragma once
// The desktop platform's entry: windows when FLTK and a display are there.
#include <memory>
#include <string>
#include <vector>

#include "dialogs/platform.hpp"

namespace mirval {

// Desktop windows (FLTK); nullptr when no display is available.
// `chooserAnswers` (the survey and profile files of the command line) answer
// the file chooser when given.
std::unique_ptr<Platform> makeDesktopPlatform(const std::vector<std::string>& chooserAnswers);

}  // namespace mirval
