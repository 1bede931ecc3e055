#include "core/listings.hpp"

namespace mirval {

void writeResultListingBody(Store&, const SurveyStatistics&) {}
void writePlotListing(OutputFile&, const Store&, const SurveyStatistics&) {}
void writeCoordinateListing(OutputFile&, const Store&, const SurveyStatistics&) {}

}  // namespace mirval
