#pragma once
#include "core/store.hpp"

namespace mirval {

// 3D drawing of the reduced survey.
void WRTDX3(const FileType& fileType, const LongText& fileName, double labelHeight, double symbolSize,
            const StationTable& stations, int lineCount, const ShotTable& shots);
// 2D plan of the reduced survey.
void WRTDX2(const FileType& fileType, const LongText& fileName, double labelHeight, double symbolSize,
            const StationTable& stations, int lineCount, const ShotTable& shots);

}  // namespace mirval
