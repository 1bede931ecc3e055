#pragma once
// The three listings of a reduced survey: result (".res"), plot (".plo") and
// coordinates (".coo"), each with the metric analysis and the credits block.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The result listing after the reader's and the reduction's messages: header,
// one record per reached line, the unresolved lines, the metric analysis, the
// mean ceiling height and the credits block.
void writeResultListingBody(const Store& s, OutputFile& out);

// What the console log shows of the result: the unresolved lines and the extent summary.
void writeResultSummary(const Store& s, LineSink& console);

// Header block of the plot and coordinate listings; a network adjusted by
// least squares adds a line saying so.
void WRTCAB(LineSink& out, const Store& s);

// Both coordinate sets of every reached line.
void writePlotListing(const Store& s, OutputFile& out);

// One row per computed station.
void writeCoordinateListing(const Store& s, OutputFile& out);

}  // namespace mirval
