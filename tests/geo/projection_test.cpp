// The UTM projection against reference points, both directions.
#include "geo/projection.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace mirval {
namespace {

struct Geographic {
    double latitude;
    double longitude;
    int zone;
};

// Grid to geographic, the latitude variable holding `latitudeBefore`.
Geographic toGeographic(double easting, double northing, int zone, double latitudeBefore = 0.0) {
    double latitude = latitudeBefore;
    double longitude = 0.0;
    GEOUTM(kGridToGeographic, latitude, longitude, easting, northing, zone);
    return {latitude, longitude, zone};
}

struct Grid {
    double easting;
    double northing;
    int zone;
};

Grid toGrid(double latitude, double longitude, int zone) {
    double easting = -1.0;
    double northing = -1.0;
    GEOUTM(kGeographicToGrid, latitude, longitude, easting, northing, zone);
    return {easting, northing, zone};
}

TEST(Projection, CentralMeridianOfASouthernZone) {
    const Geographic onMeridian = toGeographic(500000.0, 10000000.0, -23);
    EXPECT_EQ(onMeridian.latitude, 0.0);
    EXPECT_EQ(onMeridian.longitude, -45.000000000035996);  // 45° scaled by the decimal 0.000277777777778
    EXPECT_EQ(onMeridian.zone, -23);

    const Geographic east = toGeographic(600000.0, 10000000.0, -23);
    EXPECT_GT(east.longitude, -45.0);
    EXPECT_LT(east.longitude, -44.0);
}

TEST(Projection, WorkedExampleBothWays) {
    const Grid grid = toGrid(-20.25, -43.5, -23);
    EXPECT_NEAR(grid.easting, 656672.342, 0.0005);
    EXPECT_NEAR(grid.northing, 7760143.357, 0.0005);
    EXPECT_EQ(grid.zone, -23);

    const Geographic back = toGeographic(grid.easting, grid.northing, -23);
    EXPECT_NEAR(back.latitude, -20.25, 1e-10);
    EXPECT_NEAR(back.longitude, -43.5, 1e-10);

    const Geographic fromMillimetres = toGeographic(656672.342, 7760143.357, -23);
    EXPECT_NEAR(fromMillimetres.latitude, -20.25, 3e-9);
    EXPECT_NEAR(fromMillimetres.longitude, -43.5, 3e-9);
}

TEST(Projection, HemisphereFollowsTheLatitudeHeldAndTheZoneSign) {
    // Positive zone and a latitude variable at 0: northern hemisphere.
    const Geographic north = toGeographic(656672.342, 7760143.357, 23);
    EXPECT_GT(north.latitude, 69.0);
    EXPECT_EQ(north.zone, 23);

    // A negative latitude held from the previous conversion selects the south,
    // and the zone comes back negative.
    const Geographic south = toGeographic(656672.342, 7760143.357, 23, -1.0);
    EXPECT_NEAR(south.latitude, -20.25, 3e-9);
    EXPECT_EQ(south.zone, -23);

    // A negative zone selects the south whatever the latitude variable holds.
    EXPECT_NEAR(toGeographic(656672.342, 7760143.357, -23, 45.0).latitude, -20.25, 3e-9);

    // A northern point below the equator turns the zone negative for good.
    const Geographic belowEquator = toGeographic(500000.0, -1000.0, 23);
    EXPECT_LT(belowEquator.latitude, 0.0);
    EXPECT_EQ(belowEquator.zone, -23);
}

TEST(Projection, PointsOutOfRangeComeOutAsZeros) {
    // 1275117.149 m of true easting difference is the limit.
    const Geographic farEast = toGeographic(500000.0 + 1275118.0, 5000000.0, 23);
    EXPECT_EQ(farEast.latitude, 0.0);
    EXPECT_EQ(farEast.longitude, 0.0);
    EXPECT_NE(toGeographic(500000.0 + 1275000.0, 5000000.0, 23).latitude, 0.0);
    const Geographic farWest = toGeographic(500000.0 - 1275118.0, 5000000.0, 23);
    EXPECT_EQ(farWest.latitude, 0.0);

    // Rectifying latitude beyond 1.47 rad.
    const Geographic nearPole = toGeographic(500000.0, 9400000.0, 23);
    EXPECT_EQ(nearPole.latitude, 0.0);
    EXPECT_EQ(nearPole.longitude, 0.0);
    EXPECT_EQ(toGeographic(500000.0, 600000.0, -23).latitude, 0.0);

    // Beyond 84° of latitude, or more than 0.16 rad from the central meridian.
    const Grid polar = toGrid(84.5, -45.0, 23);
    EXPECT_EQ(polar.easting, 0.0);
    EXPECT_EQ(polar.northing, 0.0);
    EXPECT_NE(toGrid(83.5, -45.0, 23).northing, 0.0);
    const Grid offZone = toGrid(10.0, -35.0, 23);
    EXPECT_EQ(offZone.easting, 0.0);
    EXPECT_EQ(offZone.northing, 0.0);
}

TEST(Projection, ZoneZeroIsDerivedFromTheLongitude) {
    EXPECT_EQ(toGrid(20.25, -43.5, 0).zone, 23);
    EXPECT_EQ(toGrid(-20.25, -43.5, 0).zone, -23);
    EXPECT_EQ(toGrid(45.0, 3.5, 0).zone, 31);
    EXPECT_EQ(toGrid(45.0, 0.0, 0).zone, 31);
    EXPECT_EQ(toGrid(45.0, -42.0, 0).zone, 23);  // a boundary goes to the zone on its west
    EXPECT_EQ(toGrid(45.0, 179.5, 0).zone, 60);

    const Grid derived = toGrid(-20.25, -43.5, 0);
    EXPECT_NEAR(derived.easting, 656672.342, 0.0005);
    EXPECT_NEAR(derived.northing, 7760143.357, 0.0005);
}

TEST(Projection, EasternZonesUseTheSameCentralMeridian) {
    const Grid east = toGrid(48.48420610512, 9.0, 32);
    EXPECT_NEAR(east.easting, 500000.0, 1e-6);
    const Geographic back = toGeographic(east.easting, east.northing, 32);
    EXPECT_NEAR(back.longitude, 9.0, 1e-10);
}

// Reference values computed by PROJ (cs2cs, +proj=utm +datum=WGS84 to
// +proj=longlat), printed with 11 decimals.
struct ProjReference {
    int zone;
    double easting, northing;
    double latitude, longitude;
};

constexpr ProjReference kProjReferences[] = {
    {5, 500000, 2300000, 20.79987937711, -153.00000000000},
    {5, 612345.67, 2300000, 20.79648380054, -151.92051788981},
    {5, 330000, 2300000, 20.79210581515, -154.63331725637},
    {5, 500000, 6100000, 55.04680630491, -153.00000000000},
    {5, 612345.67, 6100000, 55.03411308924, -151.24214927002},
    {5, 330000, 6100000, 55.01775291703, -155.65905737177},
    {13, 500000, 4372837.57, 39.50516362008, -105.00000000000},
    {13, 612345.67, 4372837.57, 39.49782133055, -103.69339881146},
    {13, 330000, 4372837.57, 39.48835565024, -106.97682098213},
    {13, 500000, 8600000, 77.47696757225, -105.00000000000},
    {32, 500000, 5370120, 48.48420610512, 9.00000000000},
    {32, 612345.67, 5370120, 48.47416762585, 10.52006759048},
    {32, 330000, 5370120, 48.46122736893, 6.70039683049},
    {32, 500000, 700000, 6.33286124200, 9.00000000000},
    {32, 612345.67, 700000, 6.33186765528, 10.01572528479},
    {32, 330000, 700000, 6.33058657473, 7.46312353538},
    {-23, 500000, 7712345.67, -20.68832490702, -45.00000000000},
    {-23, 612345.67, 7712345.67, -20.68494917243, -43.92130878093},
    {-23, 330000, 7712345.67, -20.68059676844, -46.63212095825},
    {-23, 500000, 9990000, -0.09047313620, -45.00000000000},
    {-23, 612345.67, 9990000, -0.09045899705, -43.99042917382},
    {-23, 330000, 9990000, -0.09044076671, -46.52756675192},
    {-22, 500000, 7313404.8, -24.29235749182, -51.00000000000},
    {-22, 612345.67, 7313404.8, -24.28832517551, -49.89300856776},
    {-22, 330000, 7313404.8, -24.28312628217, -52.67492722185},
    {-22, 500000, 1500000, -76.58084951790, -51.00000000000},
    {-55, 500000, 5800000, -37.94758957178, 147.00000000000},
    {-55, 612345.67, 5800000, -37.94064260622, 148.27854635426},
    {-55, 330000, 5800000, -37.93168646551, 145.06560618927},
    {-55, 500000, 3300000, -60.43627719470, 147.00000000000},
    {-55, 612345.67, 3300000, -60.42065492949, 149.04034471456},
    {-55, 330000, 3300000, -60.40052328710, 143.91405398198},
};

TEST(Projection, AgreesWithProjInBothHemispheres) {
    for (const ProjReference& ref : kProjReferences) {
        SCOPED_TRACE(testing::Message() << "zone " << ref.zone << " E " << ref.easting << " N " << ref.northing);
        const Geographic geo = toGeographic(ref.easting, ref.northing, ref.zone);
        EXPECT_NEAR(geo.latitude, ref.latitude, 1e-9);
        EXPECT_NEAR(geo.longitude, ref.longitude, 1e-9);

        const Grid grid = toGrid(ref.latitude, ref.longitude, ref.zone);
        EXPECT_NEAR(grid.easting, ref.easting, 1e-4);
        EXPECT_NEAR(grid.northing, ref.northing, 1e-4);
    }
}

}  // namespace
}  // namespace mirval
