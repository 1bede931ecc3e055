#pragma once
#include "core/store.hpp"

namespace mirval {

// One profile pass: the prompt, and for a chosen profile file its reading,
// calculation and drawing. On return the buffer holds the input file name when
// no new file was chosen, otherwise the name of the profile drawing (also when
// the chosen file was not a profile file).
void PERFGRU(LongText& profileBuffer, const StationTable& stations, double labelHeight, double symbolSize,
             int stationCount);

// The profile drawing's name: the profile file's base name + ".dxf".
LongText profileDrawingName(const LongText& profileFileName);

}  // namespace mirval
