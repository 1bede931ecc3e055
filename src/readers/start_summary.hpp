#pragma once
// The survey's start on the console log, echoed by the readers and the driver.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The survey's start on the console log: scale and declination (Fw.d as the
// caller gives), initial coordinates, initial base with its ceiling height and
// the UTM zone, then an empty line. The readers echo it with the scale as read
// and a narrow declination; the driver repeats it after reading.
void writeStartSummary(LineSink& log, const Store& s, int scale, int declinationWidth, int declinationDecimals);

}  // namespace mirval
