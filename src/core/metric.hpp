#pragma once
#include "core/store.hpp"

namespace mirval {

// Extent of the cave: extremes with their stations, mid-ranges, spans and the
// mean ceiling height.
struct SurveyStatistics {
    int eastStation = 1, westStation = 1, northStation = 1, southStation = 1;
    int highStation = 1, lowStation = 1, highCeilingStation = 1, lowCeilingStation = 1;
    double xMax = 0, xMin = 0, yMax = 0, yMin = 0, zMax = 0, zMin = 0, ztetoMax = 0, ztetoMin = 0;
    double meanCeilingHeight = 0;
};

SurveyStatistics computeStatistics(Store& s);

}  // namespace mirval
