#pragma once
// Loop closures of a reduced survey: how far each loop misses, whether the
// instruments explain it, and which single reading most likely does not.
#include "store/store.hpp"
#include "store/closure_results.hpp"

namespace mirval {

// Reads the store as the reduction leaves it and changes nothing.
ClosureAnalysis analyseClosures(const Store& s, const InstrumentErrors& sd);

}  // namespace mirval
