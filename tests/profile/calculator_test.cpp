#include "profile/calculator.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
    void segment(const char* from, const char* to, const char* code) {
        const int k = ++chain->segmentCount;
        chain->from[k] = nameIndex(from);
        chain->to[k] = nameIndex(to);
        chain->code[k].assign(code);
    }
    void calculate() { CALCPRR(*chain, *stations, stationCount, *values); }

    std::unique_ptr<StationTable> stations = std::make_unique<StationTable>();
    int stationCount = 0;
    std::unique_ptr<ProfileChain> chain = std::make_unique<ProfileChain>();
    std::unique_ptr<ProfileValues> values = std::make_unique<ProfileValues>();
};

TEST_F(ProfileCalculator, LeftCodesSubtractTheHorizontalDistance) {
    cave({{"A1", 100, 200, 50, 53}, {"A2", 103, 204, 48, 50.5}, {"A3", 106, 208, 47, 49}});
    segment("A1", "A2", "E");
    segment("A1", "A3", "D");
    calculate();
    EXPECT_EQ(values->distance[1], 0.0);
    EXPECT_EQ(values->distance[2], -5.0);
    EXPECT_EQ(values->distance[3], 10.0);
    EXPECT_EQ(values->floorElevation[1], 50.0);
    EXPECT_EQ(values->ceilingHeight[1], 3.0);
    EXPECT_EQ(values->floorElevation[2], 48.0);
    EXPECT_EQ(values->ceilingElevation[2], 50.5);
    EXPECT_EQ(values->ceilingHeight[2], 2.5);

    for (const char* left : {"L", "l", "LEFT", "left", "Left", "Esquerda", "ESQUERDA", "esquerda", "E", "e"}) {
        EXPECT_TRUE(isLeftCode(SegmentCode(left))) << left;
    }
    for (const char* right : {"D", "DIREITA", "Right", "LEFt", "Esq", " E", ""}) {
        EXPECT_FALSE(isLeftCode(SegmentCode(right))) << right;
    }
}

TEST_F(ProfileCalculator, StationWithoutCeilingAndNamesNotReached) {
    cave({{"A1", 0, 0, 10, -1}, {"A2", 3, 4, 12, -0.5}, {"A4", 0, 8, 11, 15}});
    segment("A1", "A2", "D");
    segment("A3", "A4", "D");  // A3 is no cave station and no segment places it
    segment("A2", "A5", "D");  // A5 is no cave station
    calculate();
    for (int i : {1, 2}) {
        EXPECT_EQ(values->ceilingElevation[i], -9999.990234375) << i;
        EXPECT_EQ(values->ceilingHeight[i], -1.0) << i;
    }
    EXPECT_EQ(values->distance[2], 5.0);
    EXPECT_EQ(values->floorElevation[2], 12.0);
    for (int i : {3, 4, 5}) {
        EXPECT_EQ(values->distance[i], 0.0) << i;
        EXPECT_EQ(values->floorElevation[i], 0.0) << i;
        EXPECT_EQ(values->ceilingElevation[i], kNoCeilingElevation) << i;
        EXPECT_EQ(values->ceilingHeight[i], kNoCeilingHeight) << i;
    }
}

TEST_F(ProfileCalculator, LastCaveStationOfTheFromNameDecides) {
    // two stations named B (a name used twice in the survey): the second one decides
    cave({{"B", 0, 0, 0, 2}, {"C", 0, 10, 1, 3}, {"B", 0, 4, 5, 6}});
    segment("B", "C", "D");
    calculate();
    EXPECT_EQ(values->distance[2], 6.0);
    EXPECT_EQ(values->floorElevation[1], 0.0);  // the first B places the first name

    // the to-name takes the first cave station holding it
    segment("C", "B", "L");
    calculate();
    EXPECT_EQ(values->distance[1], -4.0);
    EXPECT_EQ(values->floorElevation[1], 0.0);
}

}  // namespace
}  // namespace mirval
