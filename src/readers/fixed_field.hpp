#pragma once
// Number fields at fixed columns (the declination line of the spreadsheet
// format, the SPE records): blanks in the field are ignored, a blank field reads
// as 0, and a number written without a decimal point takes the field's implied
// decimals ("2135" in a field of two decimals is 21.35).
#include <string_view>

namespace mirval {

// Columns first .. first + width - 1 (counted from 1) of a line; the part
// beyond the line's end reads as blanks, so the field may be shorter.
std::string_view columns(std::string_view line, int first, int width);

// The line from column `first` on (empty when the line is shorter).
std::string_view fromColumn(std::string_view line, int first);

// False when the field, without its blanks, is not a number.
bool readFixedReal(std::string_view field, int impliedDecimals, double& value);

}  // namespace mirval
