#pragma once
// The profile calculator: the unrolled profile from the cave's stations.
#include "store/profile_tables.hpp"

namespace mirval {

// Unrolls the profile: each segment puts its to-name at the distance of its
// from-name plus (minus, for a left code) the horizontal distance between their
// cave stations, with the floor and ceiling elevations of the to-station.
// Names no segment reaches, or missing from the cave, stay at distance 0.0,
// floor 0.0 and without ceiling.
void CALCPRR(const ProfileChain& chain, const StationTable& stations, int stationCount, ProfileValues& values);

// True for the codes that turn a segment to the left ("L", "left", "Esquerda", "E", ...).
bool isLeftCode(const SegmentCode& code);

}  // namespace mirval
