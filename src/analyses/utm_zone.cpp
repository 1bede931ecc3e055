// The zone the KML conversions leave, without writing the KML file.
#include "analyses/utm_zone.hpp"

#include <algorithm>

#include "geo/projection.hpp"

namespace mirval {

namespace {

// While the zone is northern every conversion measures northings from the
// equator (false northing 0), so whether one ends south does not depend on the
// order of the conversions. A grid northing this far north converts to a
// latitude well above 0 at any easting the projection accepts (the series'
// corrections stay under a few per cent of the latitude), so only positions
// nearer the equator need converting.
constexpr double kSurelyNorthernNorthing = 100000.0;

bool convertsSouth(double easting, double northing, int zone) {
    if (northing >= kSurelyNorthernNorthing) return false;
    double latitude = 0.0, longitude = 0.0;
    GEOUTM(kGridToGeographic, latitude, longitude, easting, northing, zone);
    return latitude < 0.0;
}

bool anyWallPointSouth(const Store& s, int zone) {
    const ShotTable& sh = s.shots;
    const int lines = std::clamp(s.lineCount, 0, kCapacity);
    for (int i = 1; i <= lines; ++i) {
        if (sh.resolved[i] == 0 || !isStationIndex(sh.base[i]) || !isStationIndex(sh.sighted[i])) continue;
        const std::pair<const Table<double>*, const WallPoints*> walls[] = {
            {&sh.ldb, &sh.ldbPoint}, {&sh.leb, &sh.lebPoint}, {&sh.ldv, &sh.ldvPoint}, {&sh.lev, &sh.levPoint}};
        for (const auto& [reading, point] : walls) {
            if ((*reading)[i] > kPresent && convertsSouth(point->x[i], point->y[i], zone)) return true;
        }
    }
    return false;
}

bool anyStationSouth(const Store& s, int zone) {
    const StationTable& st = s.stations;
    for (int i = 1; i <= kCapacity; ++i) {
        if (st.known[i] != 0 && convertsSouth(st.x[i], st.y[i], zone)) return true;
    }
    return false;
}

}  // namespace

int zoneAfterKmlConversions(const Store& s) {
    const int zone = s.header.utmZone;
    if (zone <= 0) return zone;
    const bool south = anyStationSouth(s, zone) || (s.facts.hasWallReadings && anyWallPointSouth(s, zone));
    return south ? -zone : zone;
}

}  // namespace mirval
