#pragma once
#include "core/store.hpp"
#include "text/output.hpp"

namespace mirval {

// Reduces the shot table to station coordinates: passes from the initial base,
// closures with duplicate stations, wall points and ceiling elevations; sets
// the input line count. Closure lines go to the result listing of the store,
// the "EQUIVALE A" comments to the console log.
void reduceSurvey(Store& s);

// The same with explicit streams for the closure lines and the comments.
void reduceSurvey(Store& s, LineSink& resultListing, LineSink& console);

}  // namespace mirval
