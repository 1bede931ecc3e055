#pragma once
// The WGS 84 ellipsoid, as the UTM projection and the field model use it.

namespace mirval {

inline constexpr double kWgs84SemiMajorAxis = 6378137.0;     // metres
inline constexpr double kWgs84SemiMinorAxis = 6356752.3142;  // metres
inline constexpr double kWgs84EccentricitySquared =
    ((kWgs84SemiMajorAxis - kWgs84SemiMinorAxis) / kWgs84SemiMajorAxis) *
    ((kWgs84SemiMinorAxis + kWgs84SemiMajorAxis) / kWgs84SemiMajorAxis);

}  // namespace mirval
