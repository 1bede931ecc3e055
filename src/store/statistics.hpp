#pragma once
// The cave's extent as the metric analysis works it out and the listings report it.

namespace mirval {

// One extreme of the cave's extent and the station that holds it.
struct Extreme {
    int station = 1;
    double value = 0;
};

// Extent of the cave: extremes with their stations, mid-ranges, spans and the
// mean ceiling height, all in metres.
struct SurveyStatistics {
    Extreme east, west, north, south, highest, lowest, highestCeiling, lowestCeiling;
    double midX = 0, midY = 0, midZ = 0, midCeiling = 0;
    double spanX = 0, spanY = 0, spanZ = 0, spanCeiling = 0;
    double meanCeilingHeight = 0;
};

}  // namespace mirval
