#include "dxf/drawings.hpp"

namespace mirval {

void WRTDX3(const FileType&, const LongText&, double, double, const StationTable&, int, const ShotTable&) {}
void WRTDX2(const FileType&, const LongText&, double, double, const StationTable&, int, const ShotTable&) {}

}  // namespace mirval
