#pragma once
#include "core/store.hpp"

namespace mirval {

// KML file of the reduced survey. The conversions write the UTM zone back
// through `zone` (negative once a station converts to a southern latitude).
void WRTKML(const FileType& fileType, const LongText& fileName, double iconScale, double labelScale,
            const LongText& caveName, int& zone, const StationTable& stations, int lineCount,
            const ShotTable& shots);

}  // namespace mirval
