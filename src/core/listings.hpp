#pragma once
#include "core/metric.hpp"
#include "core/store.hpp"
#include "text/output.hpp"

namespace mirval {

// Result listing body (header, records, unresolved section on both streams,
// console extent summary, metric analysis, mean ceiling height, credits block),
// written to the result listing that is already open in the store. Fills the
// unresolved line list.
void writeResultListingBody(Store& s, const SurveyStatistics& stats);

// The same with explicit streams for the listing and the console log.
void writeResultListingBody(LineSink& listing, LineSink& console, Store& s, const SurveyStatistics& stats);

// Header block of the plot and coordinate listings.
void WRTCAB(LineSink& out, const SurveyHeader& header, const StationTable& stations);

void writePlotListing(LineSink& out, const Store& s, const SurveyStatistics& stats);
void writeCoordinateListing(LineSink& out, const Store& s, const SurveyStatistics& stats);

}  // namespace mirval
