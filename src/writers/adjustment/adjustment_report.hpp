#pragma once
// The adjustment report NAME.aju and its one-line console summary.
#include "store/adjustment_results.hpp"
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// WRTAJU ("write ajustamento"): cave name, the error model, the network and
// its variance factor with a verdict, the floated lines, every station's shift
// (the largest first) and every line's correction (the twenty largest
// residuals first), to a file that is already open. A survey without loops
// gets one line saying so.
void WRTAJU(const Store& s, const AdjustmentResults& a, LineSink& out);

// One console line: loops, variance factor, largest shift.
void writeAdjustmentSummary(LineSink& console, const Store& s, const AdjustmentResults& a);

}  // namespace mirval
