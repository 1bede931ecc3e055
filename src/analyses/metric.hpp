#pragma once
// The metric analysis of the reduced survey.
#include "store/store.hpp"

namespace mirval {

// Only internal stations count (HT above 0), swept from 1 to N + 1; ties keep
// the lowest station index. Needs the ceiling elevations of the reduction.
SurveyStatistics computeStatistics(const Store& s);

}  // namespace mirval
