#pragma once
#include "core/metric.hpp"
#include "core/store.hpp"

namespace mirval {

// Result listing body (records, unresolved section on both streams, console
// extent summary, metric analysis, mean ceiling height, credits block), written
// to the result listing that is already open in the store.
void writeResultListingBody(Store& s, const SurveyStatistics& stats);
void writePlotListing(OutputFile& out, const Store& s, const SurveyStatistics& stats);
void writeCoordinateListing(OutputFile& out, const Store& s, const SurveyStatistics& stats);

}  // namespace mirval
