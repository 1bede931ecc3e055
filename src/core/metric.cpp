#include "core/metric.hpp"

namespace mirval {

SurveyStatistics computeStatistics(Store&) { return {}; }

}  // namespace mirval
