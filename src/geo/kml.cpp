#include "geo/kml.hpp"

namespace mirval {

void WRTKML(const FileType&, const LongText&, double, double, const LongText&, int&, const StationTable&, int,
            const ShotTable&) {}

}  // namespace mirval
