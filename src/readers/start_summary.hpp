#pragma once
// The survey's start on the console log, echoed by the readers and the driver.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The survey's start on the console log: scale and declination (Fw.d as the
// caller gives), initial coordinates, initial base with its ceiling height and
// the UTM zone, then an empty line. The readers echo it with the scale and the
// declination as read, the declination narrow; the driver repeats it after
// reading, with the declination the azimuths are turned by.
struct DeclinationField {
    double value;
    int width, decimals;
};
void writeStartSummary(LineSink& log, const Store& s, int scale, DeclinationField declination);

}  // namespace mirval
