// The zone the exchange files print.
#include "analyses/utm_zone.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace mirval {
namespace {

class ExchangeZone : public ::testing::Test {
protected:
    void SetUp() override { initialiseStore(*s); }
    void station(int i, double x, double y) {
        s->stations.known[i] = 1;
        s->stations.x[i] = x;
        s->stations.y[i] = y;
    }
    // A reached line from station 1 to 2 with one wall reading at (x, y).
    void wallPoint(double x, double y) {
        ShotTable& sh = s->shots;
        s->lineCount = 1;
        sh.base[1] = 1, sh.sighted[1] = 2, sh.resolved[1] = 2, sh.reference[1] = 1;
        sh.lev[1] = 2.0, sh.levPoint.x[1] = x, sh.levPoint.y[1] = y;
    }
    std::unique_ptr<Store> s = std::make_unique<Store>();
};

TEST_F(ExchangeZone, NorthernZoneTurnsSouthernOnlyWhenAPositionLiesSouth) {
    s->header.utmZone = 23;
    station(1, 656672.34, 7760143.36);
    station(2, 500000.0, 0.5);  // just north of the equator
    EXPECT_EQ(zoneAfterKmlConversions(*s), 23);
    station(3, 500000.0, -1000.0);
    EXPECT_EQ(zoneAfterKmlConversions(*s), -23);
}

TEST_F(ExchangeZone, DrawnWallPointsCountStationsNeverComputedDoNot) {
    s->header.utmZone = 23;
    station(1, 500000.0, 10.0);
    station(2, 500000.0, 20.0);
    s->stations.y[3] = -5000.0;  // never computed
    wallPoint(500000.0, -0.5);
    EXPECT_EQ(zoneAfterKmlConversions(*s), -23);
    s->facts.hasWallReadings = false;
    EXPECT_EQ(zoneAfterKmlConversions(*s), 23);
}

TEST_F(ExchangeZone, SouthernAndZeroZonesStayAsRead) {
    station(1, 656672.34, 7760143.36);
    s->header.utmZone = -23;
    EXPECT_EQ(zoneAfterKmlConversions(*s), -23);
    s->header.utmZone = 0;
    station(2, 500000.0, -1000.0);
    EXPECT_EQ(zoneAfterKmlConversions(*s), 0);
}

}  // namespace
}  // namespace mirval
