#pragma once
// The meridian (grid) convergence of the UTM projection.

namespace mirval {

// The central meridian of a UTM zone, degrees east; the zone's sign (its
// hemisphere) does not matter.
double centralMeridian(int zone);

// The angle from grid north to true north at a place, in degrees: positive
// east of the zone's central meridian in the northern hemisphere, so that
// grid azimuth = true azimuth − convergence. Latitude and longitude in
// degrees, north and east positive.
double gridConvergence(double latitude, double longitude, int zone);

}  // namespace mirval
