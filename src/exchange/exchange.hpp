#pragma once
#include "core/store.hpp"

namespace mirval {

// Therion centreline (".th"), Compass LRUD ("_lrud.dat") and Compass splays
// ("_splays.dat") files. Each opens, writes and closes its own file. They walk
// the lines read from the input (inputLineCount), not the closure rows, and
// leave out the lines the reduction never reached. The header's UTM zone is the
// one left by the KML writer (negative in the southern hemisphere).
void WRTTHE(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);
void CMPLRU(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);
void CMPSPL(const LongText& fileName, const SurveyHeader& header, const StationTable& stations,
            int inputLineCount, const ShotTable& shots);

}  // namespace mirval
