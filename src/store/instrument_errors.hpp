#pragma once
// The error model of the readings, shared by the loop closures and the
// network adjustment.

namespace mirval {

// One standard deviation per reading. The defaults are half the tolerances of
// a careful survey (angles to 1 degree, distances to 10 cm, taken as two
// standard deviations).
struct InstrumentErrors {
    double distance = 0.05;    // metres, along the shot
    double azimuth = 0.5;      // degrees, across the shot in the horizontal plane
    double inclination = 0.5;  // degrees, across the shot in its vertical plane
};

}  // namespace mirval
