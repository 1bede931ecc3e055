#pragma once
// Output names and the file type, both derived from the input file name.
#include <string>
#include <string_view>

#include "core/store.hpp"

namespace mirval {

// The name up to, not including, the first "." of its file part (folders end at
// the last "/" or "\"); without a "." in the file part, the whole name less its
// trailing blanks.
std::string baseName(std::string_view name);

// The three characters after that "." (characters 1 to 3 without one), with the
// letters of the known types lowered at their positions ("TXT" -> "txt", "DAT" -> "DAt").
FileType fileTypeOf(const LongText& name);

struct OutputNames {
    LongText result, plot, coordinates, drawing3d, drawing2d, kml, therion, lrud, splays;
};

OutputNames outputNamesOf(const LongText& inputName);

}  // namespace mirval
