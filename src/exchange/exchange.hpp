#pragma once
#include "core/store.hpp"

namespace mirval {

// Therion centreline, Compass LRUD and Compass splays files. They walk the
// lines read from the input (inputLineCount), not the closure rows.
void WRTTHE(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);
void CMPLRU(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);
void CMPSPL(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);

}  // namespace mirval
