#pragma once
// The ranges the reduced values must keep to fit the drawings, the KML file and
// the exchange files.
#include <string>

#include "store/store.hpp"

namespace mirval {

// Stops the run, naming the input line a value came from, when a value would be
// no finite number or would not fit its field in the files other programs load:
//   station and wall-point X and Y      -999 999.99 to 9 999 999.99 m
//   station Z and ceiling elevations    -999.99 to 9 999.99 m
//   ceiling heights, inclined distances and every reading of a line: up to
//   999.99 m in size; azimuths -99.9 to 999.9 degrees; the declination -99.99
//   to 999.99 degrees.
// Only the lines the reduction reached count: the others reach no such file.
void checkOutputRanges(const Store& s, const std::string& surveyFile);

}  // namespace mirval
