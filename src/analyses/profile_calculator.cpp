// CALCPRR: the profile unrolled against the cave's stations.
#include "analyses/profile_calculator.hpp"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace mirval {

namespace {

// First cave station (1 to the station count) holding this name, or 0.
int findCaveStation(const StationTable& stations, int stationCount, const Name& name) {
    for (int k = 1; k <= stationCount; ++k) {
        if (stations.name[k] == name) return k;
    }
    return 0;
}

// Floor and ceiling of profile name `p` from cave station `s`. A ceiling
// elevation below 0.0 means the station has none.
void takeElevations(ProfileValues& values, int p, const StationTable& stations, int s) {
    values.floorElevation[p] = stations.z[s];
    values.ceilingElevation[p] = stations.zteto[s];
    if (stations.zteto[s] >= 0.0) {
        values.ceilingHeight[p] = stations.zteto[s] - stations.z[s];
    } else {
        values.ceilingElevation[p] = kNoCeilingElevation;
        values.ceilingHeight[p] = kNoCeilingHeight;
    }
}

void resetValues(ProfileValues& values) {
    values.distance.fill(0.0);
    values.floorElevation.fill(0.0);
    values.ceilingElevation.fill(kNoCeilingElevation);
    values.ceilingHeight.fill(kNoCeilingHeight);
}

double horizontalDistance(const StationTable& stations, int from, int to) {
    const double dx = stations.x[to] - stations.x[from];
    const double dy = stations.y[to] - stations.y[from];
    return std::sqrt(dx * dx + dy * dy);
}

// One segment: every cave station holding the from-name places the to-name in
// turn, so the last of them decides.
void placeSegment(const ProfileChain& chain, int j, const StationTable& stations, int stationCount,
                  ProfileValues& values) {
    const int f = chain.from[j];
    const int t = chain.to[j];
    const double sign = isLeftCode(chain.code[j]) ? -1.0 : 1.0;
    for (int k = 1; k <= stationCount; ++k) {
        if (!(stations.name[k] == chain.name[f])) continue;
        const int l = findCaveStation(stations, stationCount, chain.name[t]);
        if (l == 0) continue;
        values.distance[t] = values.distance[f] + sign * horizontalDistance(stations, k, l);
        takeElevations(values, t, stations, l);
    }
}

}  // namespace

bool isLeftCode(const SegmentCode& code) {
    static constexpr std::string_view kLeftCodes[] = {"L",        "l",        "LEFT",     "left", "Left",
                                                      "Esquerda", "ESQUERDA", "esquerda", "E",    "e"};
    for (const std::string_view left : kLeftCodes) {
        if (code == SegmentCode(left)) return true;
    }
    return false;
}

void CALCPRR(const ProfileChain& chain, const StationTable& stations, int stationCount, ProfileValues& values) {
    resetValues(values);
    stationCount = std::clamp(stationCount, 0, kCapacity);
    if (chain.nameCount < 1) return;
    values.distance[1] = 0.0;
    if (const int s = findCaveStation(stations, stationCount, chain.name[1])) takeElevations(values, 1, stations, s);
    for (int j = 1; j <= chain.segmentCount; ++j) placeSegment(chain, j, stations, stationCount, values);
}

}  // namespace mirval
