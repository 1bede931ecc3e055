#pragma once
// The files for other cave-survey programs: the Therion centreline (".th") and
// the Compass files with passage dimensions ("_lrud.dat") and splays
// ("_splays.dat"). They walk the lines read from the input, not the closure
// rows, and leave out the lines the reduction never reached.
#include "store/store.hpp"
#include "text/output.hpp"

namespace mirval {

// The Therion centreline; its coordinate system names the exchange zone
// (negative, southern, once the KML conversions met a southern latitude).
void WRTTHE(const Store& s, OutputFile& out);

// The Compass file with the left, up, down and right readings at each base.
void CMPLRU(const Store& s, OutputFile& out);

// The Compass file with a splay shot for every wall reading and ceiling.
void CMPSPL(const Store& s, OutputFile& out);

}  // namespace mirval
