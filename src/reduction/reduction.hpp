#pragma once
// The reduction of the survey lines to station coordinates.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// Reduces the shot table to station coordinates: passes from the initial base,
// closures with duplicate stations, wall points and ceiling elevations; sets
// the input line count and the list of lines it could not reach. Closure lines
// go to the result listing, the "EQUIVALE A" comments to the console log.
void reduceSurvey(Store& s, RunLog& log);

// What the reduction derives from the stations' positions: DIC and INC of
// every line that fixed a station, the wall points and the ceiling
// elevations. The adjustment of the network calls it again once it has moved
// the stations.
void computeDerivedValues(Store& s);

}  // namespace mirval
