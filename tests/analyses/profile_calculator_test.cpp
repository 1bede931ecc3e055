// The profile calculator: distances along the profile, elevations, missing names.
#include "analyses/profile_calculator.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace mirval {
namespace {

struct CaveStation {
    const char* name;
    double x, y, z, zteto;
};

class ProfileCalculator : public ::testing::Test {
protected:
    void cave(std::initializer_list<CaveStation> list) {
        for (const CaveStation& c : list) {
            const int k = ++stationCount;
            stations->name[k].assign(c.name);
            stations->x[k] = c.x;
            stations->y[k] = c.y;
            stations->z[k] = c.z;
            stations->zteto[k] = c.zteto;
        }
    }
    int nameIndex(const char* name) {
        for (int i = 1; i <= chain->nameCount; ++i) {
            if (chain->name[i].trimmed() == name) return i;
        }
        chain->name[++chain->nameCount].assign(name);
        return chain->nameCount;
    }
    // Adds the segment and recomputes the whole profile.
    void segment(const char* from, const char* to, const char* code) {
        const int k = ++chain->segmentCount;
        chain->from[k] = nameIndex(from);
        chain->to[k] = nameIndex(to);
        chain->code[k].assign(code);
        CALCPRR(*chain, *stations, stationCount, *values);
    }
    // distance, floor elevation, ceiling elevation and ceiling height of a name
    std::vector<double> of(int i) const {
        return {values->distance[i], values->floorElevation[i], values->ceilingElevation[i], values->ceilingHeight[i]};
    }

    std::unique_ptr<StationTable> stations = std::make_unique<StationTable>();
    int stationCount = 0;
    std::unique_ptr<ProfileChain> chain = std::make_unique<ProfileChain>();
    std::unique_ptr<ProfileValues> values = std::make_unique<ProfileValues>();
};

using V = std::vector<double>;
constexpr double kMarker = -9999.990234375;

TEST_F(ProfileCalculator, LeftCodesSubtractTheHorizontalDistance) {
    cave({{"A1", 100, 200, 50, 53}, {"A2", 103, 204, 48, 50.5}, {"A3", 106, 208, 47, 49}});
    segment("A1", "A2", "E");
    segment("A1", "A3", "D");
    EXPECT_EQ(of(1), (V{0.0, 50.0, 53.0, 3.0}));
    EXPECT_EQ(of(2), (V{-5.0, 48.0, 50.5, 2.5}));
    EXPECT_EQ(of(3), (V{10.0, 47.0, 49.0, 2.0}));
    for (const char* left : {"L", "left", "Left", "Esquerda", "ESQUERDA", "e"}) {
        EXPECT_TRUE(isLeftCode(SegmentCode(left))) << left;
    }
    for (const char* right : {"D", "DIREITA", "Right", "LEFt", "Esq", " E"}) {
        EXPECT_FALSE(isLeftCode(SegmentCode(right))) << right;
    }
}

TEST_F(ProfileCalculator, NoCeilingAndNamesNotReached) {
    cave({{"A1", 0, 0, 10, -1}, {"A2", 3, 4, 12, -0.5}, {"A4", 0, 8, 11, 15}});
    segment("A1", "A2", "D");
    segment("A3", "A4", "D");  // A3 is no cave station and no segment places it
    segment("A2", "A5", "D");  // A5 is no cave station
    EXPECT_EQ(of(1), (V{0.0, 10.0, kMarker, -1.0}));
    EXPECT_EQ(of(2), (V{5.0, 12.0, kMarker, -1.0}));
    for (int i : {3, 4, 5}) EXPECT_EQ(of(i), (V{0.0, 0.0, kMarker, -1.0})) << i;
}

TEST_F(ProfileCalculator, LastCaveStationOfTheFromNameDecides) {
    // a name used twice in the survey: the second B decides where C goes
    cave({{"B", 0, 0, 0, 2}, {"C", 0, 10, 1, 3}, {"B", 0, 4, 5, 6}});
    segment("B", "C", "D");
    EXPECT_EQ(of(2)[0], 6.0);
    EXPECT_EQ(of(1)[1], 0.0);  // the first B gives the first name its elevations
    // while the to-name takes the first cave station holding it
    segment("C", "B", "L");
    EXPECT_EQ(of(1), (V{-4.0, 0.0, 2.0, 2.0}));
}

}  // namespace
}  // namespace mirval
