#include "profile/profile.hpp"

namespace mirval {

void PERFGRU(LongText& profileBuffer, const StationTable&, double, double, int) {
    profileBuffer = store().inputFileName;
}

}  // namespace mirval
