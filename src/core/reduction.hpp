#pragma once
#include "core/store.hpp"

namespace mirval {

// Reduces the shot table to station coordinates: passes from the initial base,
// closures with duplicate stations, wall points and ceiling elevations; sets
// the input line count.
void reduceSurvey(Store& s);

}  // namespace mirval
