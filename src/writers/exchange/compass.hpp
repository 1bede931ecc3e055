#pragma once
// What the two Compass survey files share: the header, the units, the missing
// reading marker, the flags and the end of the file.
#include <string_view>

#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval::compass {

inline constexpr double kFeet = 3.2808399200439453;            // 3.28084 feet per metre
inline constexpr double kInstrumentFeet = 3.2808001041412354;  // 3.2808, used for HcB of the splays file
inline constexpr double kMissing = -9.899999618530273;         // -9.9: nothing measured

// A length in feet; a missing reading (below zero) becomes the -9.9 marker.
double feetOrMissing(double metres);

// The shot flags when a ceiling reading is missing, and when it is not (16 bytes each).
inline constexpr std::string_view kExcludedFlags = " #|L#           ";
inline constexpr std::string_view kNoFlags = "                ";

// The survey's header; `declination` is what Compass turns the bearings (the
// azimuths as read) by: the run's azimuth correction.
void writeHeader(OutputFile& out, const SurveyHeader& h, double declination);

// A form-feed line, then the DOS end-of-file byte with no line end.
void writeEnd(OutputFile& out);

}  // namespace mirval::compass
