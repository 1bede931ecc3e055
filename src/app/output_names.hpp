#pragma once
// Output names and the file type, both derived from the input file name.
#include <string>
#include <string_view>

#include "text/fixed_text.hpp"

namespace mirval {

// The input's type: three characters, blank-padded.
using FileType = FixedText<3>;

// The name up to, not including, the first "." of its file part (folders end at
// the last "/" or "\"); without a "." in the file part, the whole name less its
// trailing blanks.
std::string baseName(std::string_view name);

// The three characters after that "." (characters 1 to 3 without one), with the
// letters of the known types lowered at their positions ("TXT" -> "txt", "DAT" -> "DAt").
FileType fileTypeOf(std::string_view name);

// The nine outputs of a survey, in the order the result window lists them, and
// the loop-closure and adjustment reports written on request.
struct OutputNames {
    std::string result, plot, coordinates, drawing3d, drawing2d, kml, therion, lrud, splays;
    std::string closureReport;
    std::string adjustmentReport;
};

OutputNames outputNamesOf(std::string_view inputName);

// A normalized copy: base name + "_" + the input's type + "." + the copy's tag.
std::string copyNameOf(std::string_view inputName, const FileType& type, std::string_view tag);

// The profile drawing: the profile file's base name + ".dxf".
std::string profileDrawingNameOf(std::string_view profileName);

}  // namespace mirval
