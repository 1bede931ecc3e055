#pragma once
// The metric analysis report of the three listings and the console log.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

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
