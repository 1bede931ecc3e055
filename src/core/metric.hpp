#pragma once
#include "core/store.hpp"
#include "text/output.hpp"

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

// Only internal stations count (HT above 0), swept from 1 to N + 1; ties keep
// the lowest station index. Needs the ceiling elevations of the reduction.
SurveyStatistics computeStatistics(const Store& s);

// A listing value at the drawing scale: metres at scale 1, otherwise
// centimetres at 1:scale.
inline double scaledForListing(double value, int scale) { return scale == 1 ? value : value / (scale / 100.0); }

// The metric analysis report of the three listings, values at the listing scale.
void WRTMAXMIN(LineSink& out, int scale, const Table<Name>& names, const SurveyStatistics& stats);

// The console extent summary, in metres, ending with the mean ceiling height.
void writeExtentSummary(LineSink& console, const Table<Name>& names, const SurveyStatistics& stats);

// "ALTURA MEDIA DO TETO= " line of the result listing and the console.
void writeMeanCeilingHeight(LineSink& out, const SurveyStatistics& stats);

}  // namespace mirval
