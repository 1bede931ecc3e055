#pragma once
// The least-squares adjustment of the survey network.
#include "store/adjustment_results.hpp"
#include "store/store.hpp"

namespace mirval {

// Moves every station the reduction reached to its least-squares position,
// the initial station held; each duplicate station of a loop goes where its
// original goes, so every loop closes, and the values the reduction derived
// from the positions (DIC, INC, wall points, ceiling elevations) follow.
// Lines the reduction never reached stay out. The floated lines must be line
// numbers of the survey (1 to the input line count).
AdjustmentResults adjustNetwork(Store& s, const AdjustmentRequest& request);

}  // namespace mirval
