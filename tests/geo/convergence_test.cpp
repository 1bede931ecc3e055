// The grid convergence against the sphere's closed form and the projection itself.
#include "geo/convergence.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

#include "geo/projection.hpp"

namespace mirval {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The direction of the meridian on the grid, from the program's projection a
// metre either side of the place: minus its grid azimuth.
double convergenceOfTheProjection(double latitude, double longitude, int zone) {
    double lat[2] = {latitude - 1e-5, latitude + 1e-5}, lon[2] = {longitude, longitude}, east[2], north[2];
    int z[2] = {zone, zone};
    for (int i = 0; i < 2; ++i) GEOUTM(kGeographicToGrid, lat[i], lon[i], east[i], north[i], z[i]);
    return -std::atan2(east[1] - east[0], north[1] - north[0]) / kDegree;
}

TEST(GridConvergence, ClosedFormAndProjectionInBothHemispheres) {
    for (const auto& [latitude, longitude, zone] : {std::tuple{-24.58, -48.59, -22}, {48.47, 9.33, 32},
                                                     {39.5, -108.1, 13}, {-42.7, 143.2, -55}, {69.9, 23.5, 34}}) {
        const double gamma = gridConvergence(latitude, longitude, zone);
        const double l = (longitude - centralMeridian(zone)) * kDegree;
        EXPECT_NEAR(gamma, std::atan(std::tan(l) * std::sin(latitude * kDegree)) / kDegree, 0.001) << latitude;
        EXPECT_NEAR(gamma, convergenceOfTheProjection(latitude, longitude, zone), 1e-6) << latitude;
    }
    EXPECT_NEAR(gridConvergence(-24.58, -48.59, -22), -1.00, 0.005);  // Iporanga
}

}  // namespace
}  // namespace mirval
