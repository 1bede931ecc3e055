#pragma once
// The UTM zone the exchange files print.
#include "store/store.hpp"

namespace mirval {

// The zone as the KML file's conversions leave it: a northern zone (above 0)
// turns southern (negative) when any position the KML file converts, a
// computed station or a drawn wall point, lies south of the equator. Worked
// out once, before the writers run.
int zoneAfterKmlConversions(const Store& s);

}  // namespace mirval
