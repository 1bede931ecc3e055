// The reduction: pass order, both directions, closures, wall points, ceilings, limits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "store/stop.hpp"
#include "support/survey_builder.hpp"

namespace mirval::testing {

namespace {

using Reduction = Survey;

TEST_F(Reduction, RowsWaitForTheNextPassUntilTheirStationIsFixed) {
    // P2-P3 comes before P2 is fixed: the first pass fixes P2 and P3 (from P1),
    // so in the second pass P2-P3 joins two fixed stations and closes.
    add({{"P2", "P3", 90, 10, 0}, {"P1", "P2", 0, 10, 0}, {"P1", "P3", 45, 14, 0}});
    reduce();
    EXPECT_EQ(listing.text(), "AMBAS ESTACOES DE COORDENADAS CONHECIDAS NA LINHA 1 ; P2 e P3\n");
    EXPECT_EQ(s.shots.resolved[2], station("P2"));
    EXPECT_EQ(s.shots.resolved[3], station("P3"));
    EXPECT_EQ(s.shots.reference[3], station("P1"));
    EXPECT_EQ(s.shots.resolved[1], 5001);
    EXPECT_EQ(s.lineCount, 4);
    EXPECT_EQ(s.shots.resolved[4], 5001);
    EXPECT_EQ(s.inputLineCount, 3);
}

TEST_F(Reduction, FixesStationsForwardAndBackward) {
    s.azimuthCorrection = -21.5;  // the declination
    add({{"P1", "P2", 45, 10, 0}, {"P3", "P1", 21.5, 10, -5}});
    reduce();
    // Az 45 turned by -21.5 points to 23.5 degrees.
    EXPECT_NEAR(x("P2"), 3.987, 1e-3);
    EXPECT_NEAR(y("P2"), 9.171, 1e-3);
    EXPECT_EQ(z("P2"), 0.0);
    // Row 2 is measured backwards: P3 := P1 minus the vector, so it lies 10 m
    // south of P1 and 5 m above it; DIC and INC still run from P3 to P1.
    EXPECT_EQ(s.shots.resolved[2], station("P3"));
    EXPECT_EQ(s.shots.reference[2], station("P1"));
    EXPECT_NEAR(x("P3"), 0, 1e-12);
    EXPECT_NEAR(y("P3"), -10, 1e-12);
    EXPECT_EQ(z("P3"), 5.0);
    EXPECT_NEAR(s.shots.dic[2], std::sqrt(125.0), 1e-12);
    EXPECT_NEAR(s.shots.inc[2], -26.565, 1e-3);
    EXPECT_EQ(s.stations.known[station("P3")], 1);
}

TEST_F(Reduction, ClosingLoopGetsClosureRowAndDuplicateStation) {
    add({{"P1", "P2", 0, 10, 1}, {"P2", "P3", 90, 10, 1}, {"P3", "P1", 225, 14, -2}});
    s.shots.comment[3].assign(" fecha o anel");
    s.shots.ldb[3] = 1.0;
    s.shots.ceilingKind[3] = 'G';
    s.stations.ht[station("P1")] = 2.5;
    reduce();
    EXPECT_EQ(listing.text(), "AMBAS ESTACOES DE COORDENADAS CONHECIDAS NA LINHA 3 ; P3 e P1\n");
    ASSERT_EQ(s.lineCount, 4);
    EXPECT_EQ(s.inputLineCount, 3);
    const ShotTable& sh = s.shots;
    // The closing row: the duplicate as its resolved and equivalent station, no DIC or INC.
    EXPECT_EQ(sh.resolved[3], 5001);
    EXPECT_EQ(sh.reference[3], station("P3"));
    EXPECT_EQ(sh.equivalent[3], 5001);
    EXPECT_EQ(sh.dic[3], 0.0);
    EXPECT_EQ(sh.inc[3], 0.0);
    EXPECT_EQ(sh.comment[3].trimmed(), "5001 EQUIVALE A P1.  fecha o anel");
    EXPECT_EQ(console.text(), std::string(sh.comment[3].full()) + "\n");
    // The closure row repeats its measurements towards the duplicate station.
    EXPECT_EQ(sh.base[4], station("P3"));
    EXPECT_EQ(sh.sighted[4], 5001);
    EXPECT_EQ(sh.resolved[4], 5001);
    EXPECT_EQ(sh.reference[4], station("P3"));
    EXPECT_EQ(sh.equivalent[4], station("P1"));
    EXPECT_EQ(sh.az[4], 225.0);
    EXPECT_EQ(sh.ceilingKind[4], 'G');
    EXPECT_EQ(sh.ldb[4], -1.0);
    EXPECT_TRUE(sh.comment[4].isBlank());
    EXPECT_GT(sh.dic[4], 14.0);
    const StationTable& st = s.stations;
    EXPECT_EQ(st.name[5001].full(), std::string("5001") + std::string(28, ' '));
    EXPECT_EQ(st.known[5001], 1);
    EXPECT_NEAR(st.x[5001], 10 - 14 * std::sqrt(0.5), 1e-5);
    EXPECT_EQ(st.z[5001], 0.0);
    // The duplicate takes the ceiling of the real station, elevation included.
    EXPECT_EQ(st.ht[5001], 2.5);
    EXPECT_EQ(st.zteto[5001], 2.5);
}

TEST_F(Reduction, LoopMeasuredBothWaysGetsNoEquivalenceComment) {
    add({{"P1", "P2", 0, 10, 0}, {"P2", "P3", 90, 10, 0}, {"P3", "P1", 225, 14, 0}, {"P1", "P3", 45, 14, 0}});
    s.shots.comment[4].assign("ida");
    reduce();
    EXPECT_EQ(s.shots.comment[3].trimmed(), "5001 EQUIVALE A P1.");
    // Row 4 closes too (duplicate 5002), but row 3 measured it the other way.
    EXPECT_EQ(s.shots.resolved[4], 5002);
    EXPECT_EQ(s.shots.comment[4].trimmed(), "ida");
    EXPECT_EQ(s.lineCount, 6);
    EXPECT_EQ(s.stations.name[5002].trimmed(), "5002");
}

TEST_F(Reduction, ReverseSearchStopsBeforeTheLastRowOfTheTable) {
    // Row 2 closes while the table ends at row 3, its reverse: row 3 is not
    // examined, so row 2 still gets its comment. Row 3 finds rows 1 and 2.
    add({{"P1", "P2", 0, 10, 0}, {"P1", "P2", 0, 10, 0}, {"P2", "P1", 180, 10, 0}});
    reduce();
    EXPECT_EQ(s.shots.comment[2].trimmed(), "5001 EQUIVALE A P2.");
    EXPECT_TRUE(s.shots.comment[3].isBlank());
    EXPECT_EQ(s.shots.resolved[3], 5002);
}

TEST_F(Reduction, UnreachableRowsStayUnresolved) {
    add({{"P1", "P2", 0, 10, 0}, {"X1", "X2", 0, 10, 0}, {"X2", "X3", 0, 10, 0}});
    reduce();
    EXPECT_EQ(s.shots.resolved[1], station("P2"));
    EXPECT_EQ(s.shots.resolved[2], 0);
    EXPECT_EQ(s.shots.resolved[3], 0);
    EXPECT_EQ(s.stations.known[station("X2")], 0);
    EXPECT_EQ(s.inputLineCount, 3);
}

TEST_F(Reduction, WallPointsFollowTheirDirectionRules) {
    s.header.z0 = 100;
    add({{"P1", "P2", 0, 10, 0}});
    ShotTable& sh = s.shots;
    sh.hcb[1] = 1.5;
    sh.hcv[1] = 1.2;
    sh.ldb[1] = 2;  // right of the line at the base: east
    sh.leb[1] = 0;  // a zero reading: the base itself, without instrument height
    sh.ldv[1] = 3;  // right wall at the sighted station, read facing back: west
    reduce();
    EXPECT_NEAR(sh.ldbPoint.x[1], 2, 1e-12);
    EXPECT_NEAR(sh.ldbPoint.y[1], 0, 1e-6);
    EXPECT_EQ(sh.ldbPoint.z[1], 101.5);
    EXPECT_NEAR(sh.lebPoint.x[1], 0, 1e-12);
    EXPECT_EQ(sh.lebPoint.y[1], 0.0);
    EXPECT_EQ(sh.lebPoint.z[1], 100.0);
    EXPECT_NEAR(sh.ldvPoint.x[1], -3, 1e-12);
    EXPECT_NEAR(sh.ldvPoint.y[1], 10, 1e-6);
    EXPECT_EQ(sh.ldvPoint.z[1], 101.2);
    // LEV = -1: nothing measured, the wall point keeps its marker.
    EXPECT_EQ(sh.levPoint.x[1], -1.0);
    EXPECT_EQ(sh.levPoint.z[1], -1.0);
}

TEST_F(Reduction, SurveysWithoutWallReadingsGetNoWallPoints) {
    s.facts.hasWallReadings = false;
    add({{"P1", "P2", 0, 10, 0}});
    s.shots.ldb[1] = 2;
    reduce();
    EXPECT_EQ(s.shots.ldbPoint.x[1], -1.0);
}

TEST_F(Reduction, CeilingElevationsFromTheCeilingHeights) {
    s.header.z0 = 800;
    s.header.htini = 2.0;
    add({{"P1", "P2", 0, 10, 5}});
    s.stations.ht[1] = 2.6;
    s.stations.ht[station("P2")] = 0.0005;  // a radiation point has no ceiling
    reduce();
    EXPECT_DOUBLE_EQ(s.stations.zteto[1], 802.6);
    EXPECT_EQ(s.stations.zteto[station("P2")], -1.0);
}

TEST_F(Reduction, ClosureBeyondTheTableStopsTheRun) {
    for (int i = 1; i <= kCapacity; ++i) add({"P1", "P1", 0, 0, 0});
    try {
        reduce();
        FAIL() << "no stop";
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.status, 1);
        EXPECT_EQ(stop.messages, std::vector<std::string>{"NUMERO DE LINHAS EXCEDE O LIMITE DE 10000."});
    }
    EXPECT_EQ(s.lineCount, kCapacity);
}

TEST_F(Reduction, DuplicateNumberTakenByANamedStationStopsTheRun) {
    add({{"P1", "P2", 0, 10, 0}, {"P2", "P1", 180, 10, 0}});
    while (s.stationCount < kFirstDuplicateStation) station(std::string("S").append(std::to_string(s.stationCount + 1)));
    try {
        reduce();
        FAIL() << "no stop";
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.messages, std::vector<std::string>{
                                     "FECHAMENTO 2 : ESTACAO 5001 JA USADA PELO LEVANTAMENTO. LIMITE DE 5000 ESTACOES."});
    }
    EXPECT_EQ(s.stations.name[5001].trimmed(), "S5001");
}

}  // namespace

}  // namespace mirval::testing
