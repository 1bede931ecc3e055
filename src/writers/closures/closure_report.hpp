#pragma once
// The loop-closure report NAME.fch and its one-line console summary.
#include "store/store.hpp"
#include "store/closure_results.hpp"
#include "text/output.hpp"

namespace mirval {

// WRTFCH ("write fechamentos"): cave name, the standard deviations used, a
// summary, one row per loop (worst first) and the suspect readings, to a file
// that is already open. A survey without loops gets one line saying so.
void WRTFCH(const Store& s, const ClosureAnalysis& a, LineSink& out);

// One console line: loops, mean and worst percentage error, suspect loops.
void writeClosureSummary(LineSink& console, const ClosureAnalysis& a);

}  // namespace mirval
