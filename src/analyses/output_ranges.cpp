// Reduced values that no field of the drawings, the KML file or the exchange
// files could hold stop the run before any of them is written.
#include "analyses/output_ranges.hpp"

#include <algorithm>
#include <cmath>

#include "store/stop.hpp"
#include "text/format.hpp"

namespace mirval {

namespace {

struct Range {
    double low, high;
    bool holds(double value) const { return value >= low && value <= high; }  // false for a NaN
};

constexpr Range kPlane{-999999.99, 9999999.99};   // X and Y: F10.2 of the drawings
constexpr Range kElevation{-999.99, 9999.99};     // Z and ceilings: F7.2 labels and KML elevations
constexpr Range kLength{-999.99, 999.99};         // readings, heights, distances: F6.2 of the KML
constexpr Range kAzimuth{-99.9, 999.9};           // F5.1 of the listings and the KML
constexpr Range kDeclination{-99.99, 999.99};     // F6.2 of the Therion and Compass headers

[[noreturn]] void stopAtLine(const std::string& surveyFile, int line) {
    const fmt::Record where =
        std::move(fmt::Record().a("VALOR FORA DOS LIMITES NO ARQUIVO ").a(trim(surveyFile)).a(", LINHA ").i0(line));
    throw RunStop(1, {where.str(), "VERIFIQUE AS LEITURAS DESTA LINHA (OS LIMITES ESTÃO NO GUIA DO USUÁRIO)"});
}

bool stationFits(const StationTable& st, int i) {
    const bool ceilingFits = !(st.ht[i] > kPresent) || (kLength.holds(st.ht[i]) && kElevation.holds(st.zteto[i]));
    return kPlane.holds(st.x[i]) && kPlane.holds(st.y[i]) && kElevation.holds(st.z[i]) && ceilingFits;
}

bool readingsFit(const ShotTable& sh, int i) {
    for (const Table<double>* reading : {&sh.di, &sh.dhor, &sh.des, &sh.hcb, &sh.htb, &sh.ldb, &sh.leb, &sh.htv,
                                         &sh.ldv, &sh.lev, &sh.hcv}) {
        if (!kLength.holds((*reading)[i])) return false;
    }
    return kAzimuth.holds(sh.az[i]) && kLength.holds(sh.dic[i]) && std::isfinite(sh.inc[i]);
}

bool wallPointsFit(const ShotTable& sh, int i) {
    const std::pair<const Table<double>*, const WallPoints*> walls[] = {
        {&sh.ldb, &sh.ldbPoint}, {&sh.leb, &sh.lebPoint}, {&sh.ldv, &sh.ldvPoint}, {&sh.lev, &sh.levPoint}};
    return std::all_of(std::begin(walls), std::end(walls), [i](const auto& wall) {
        const auto& [reading, point] = wall;
        return !((*reading)[i] > kAbsent) ||
               (kPlane.holds(point->x[i]) && kPlane.holds(point->y[i]) && kElevation.holds(point->z[i]));
    });
}

bool rowFits(const Store& s, int i) {
    const ShotTable& sh = s.shots;
    const int fixed = sh.resolved[i];
    return readingsFit(sh, i) && (!isStationIndex(fixed) || stationFits(s.stations, fixed)) &&
           (!s.facts.hasWallReadings || wallPointsFit(sh, i));
}

}  // namespace

void checkOutputRanges(const Store& s, const std::string& surveyFile) {
    if (!kDeclination.holds(s.azimuthCorrection)) stopAtLine(surveyFile, s.lines.declination);
    if (!stationFits(s.stations, 1)) stopAtLine(surveyFile, s.lines.initialBase);
    const int rows = std::clamp(s.lineCount, 0, kCapacity);
    for (int i = 1; i <= rows; ++i) {
        if (s.shots.resolved[i] != 0 && !rowFits(s, i)) stopAtLine(surveyFile, s.lines.row[i]);
    }
}

}  // namespace mirval
