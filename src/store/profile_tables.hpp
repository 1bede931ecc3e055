#pragma once
// The tables of one profile pass: the chain of segments read from a profile
// file, and the values computed for each of its station names.
#include "store/store.hpp"

namespace mirval {

using SegmentCode = FixedText<10>;

// The empty marker of a free slot of the profile-name table.
inline const Name kEmptyProfileName{"&"};

// -9999.99 in single precision: the ceiling elevation of a name without ceiling.
inline constexpr double kNoCeilingElevation = -9999.990234375;
inline constexpr double kNoCeilingHeight = -1.0;

// What a profile file holds: distinct station names in order of first
// appearance, and per segment the indexes of its two names and its code.
struct ProfileChain {
    Table<Name> name;
    Table<int> from{}, to{};
    Table<SegmentCode> code;
    int segmentCount = 0;  // -1 when the file is not a profile file
    int nameCount = 0;
};

// Per profile name: position along the unrolled profile, floor and ceiling
// elevations and ceiling height.
struct ProfileValues {
    Table<double> distance{}, floorElevation{}, ceilingElevation{}, ceilingHeight{};
};

}  // namespace mirval
