#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "bench/simulated_grid.hpp"
#include "support/closure_survey.hpp"

namespace mirval::testing {

namespace {

constexpr double kDegree = 3.141592653589793 / 180;

using Closures = ClosureSurvey;

TEST_F(Closures, TriangleWorkedByHand) {
    // North 10 m, east 10 m, then 14 m back south-west: the line ends
    // 10 - 14 cos 45 = 0.1005 m north-east of P1, so the loop misses by
    // 10 sqrt 2 - 14 = 0.1421 m along the last line.
    shot("P1", "P2", {10, 0, 0});
    shot("P2", "P3", {10, 90, 0});
    const int closing = shot("P3", "P1", {14, 225, 0});
    const ClosureAnalysis a = analyse();

    ASSERT_EQ(a.loops.size(), 1u);
    const LoopClosure& loop = a.loops[0];
    EXPECT_EQ(loop.closingRow, closing);
    EXPECT_EQ(loop.duplicate, 5001);
    EXPECT_EQ(loop.original, station("P1"));
    EXPECT_EQ(loop.commonStation, station("P1"));
    ASSERT_EQ(loop.lines.size(), 3u);
    EXPECT_DOUBLE_EQ(loop.length, 34);
    const double gap = 10 - 14 * std::sqrt(0.5);
    EXPECT_NEAR(loop.misclosure[0], gap, 1e-5);
    EXPECT_NEAR(loop.misclosure[1], gap, 1e-5);
    EXPECT_NEAR(loop.misclosure[2], 0, 1e-12);
    EXPECT_NEAR(loop.misclosureLength, 10 * std::sqrt(2.0) - 14, 1e-5);
    EXPECT_NEAR(loop.percent, (10 * std::sqrt(2.0) - 14) / 34 * 100, 1e-5);
    // Along the gap: the last line's tape, plus tape and compass of the two
    // 10 m lines, which stand at 45 degrees to it (half of each variance).
    const double sa = 10 * 0.5 * kDegree;
    const double expected = std::sqrt(0.05 * 0.05 + 2 * 0.5 * (0.05 * 0.05 + sa * sa));
    EXPECT_NEAR(loop.expected, expected, 1e-5);
    EXPECT_NEAR(loop.ratio, loop.misclosureLength / expected, 1e-3);
    EXPECT_EQ(loop.verdict, ClosureVerdict::good);
    EXPECT_TRUE(a.suspects.empty());
}

// A cave of two loops sharing station P3: the first clean, the second with
// one blunder. The lines differ in length and direction, so no other reading
// can close the loop exactly.
class TwoLoops : public ClosureSurvey {
protected:
    void SetUp() override {
        ClosureSurvey::SetUp();
        cave = {{"P1", {0, 0, 0}},     {"P2", {3, 11, -1}},   {"P3", {15, 16, -2.5}},
                {"P4", {19, 4, -1.2}}, {"P5", {27, 25, -4}}, {"P6", {36, 14, -3}}};
        // P7 lies 12.3 m from P6, azimuth 250, inclination +5
        const double horizontal = 12.3 * std::cos(5 * kDegree);
        cave["P7"] = {36 + horizontal * std::sin(250 * kDegree), 14 + horizontal * std::cos(250 * kDegree),
                      -3 + 12.3 * std::sin(5 * kDegree)};
        shot("P1", "P2");
        shot("P2", "P3");
        shot("P3", "P4");
        cleanClosing = shot("P4", "P1");
        shot("P3", "P5");
        shot("P5", "P6");
        shot("P6", "P7");
        blunderClosing = shot("P3", "P7");  // the loop runs against the chain P3 - P7
    }
    int cleanClosing = 0;
    int blunderClosing = 0;
};

TEST_F(TwoLoops, CleanLoopIsNotFlagged) {
    const ClosureAnalysis a = analyse();
    ASSERT_EQ(a.loops.size(), 2u);
    for (const LoopClosure& loop : a.loops) {
        EXPECT_EQ(loop.verdict, ClosureVerdict::good);
        EXPECT_LT(loop.misclosureLength, 0.01);
    }
    EXPECT_EQ(a.summary.suspect, 0);
    EXPECT_TRUE(a.suspects.empty());
}

TEST_F(TwoLoops, PlantedAzimuthBlunderIsFoundFirst) {
    const int blundered = 6;  // P5 - P6
    const double measured = s.shots.az[blundered];
    s.shots.az[blundered] = measured + 12;  // 12 degrees off on a 14 m line
    const ClosureAnalysis a = analyse();

    EXPECT_EQ(loopClosedBy(a, blunderClosing).verdict, ClosureVerdict::suspect);
    EXPECT_EQ(loopClosedBy(a, cleanClosing).verdict, ClosureVerdict::good);
    ASSERT_FALSE(a.suspects.empty());
    const SuspectReading& first = a.suspects[0];
    EXPECT_EQ(first.row, blundered);
    EXPECT_EQ(first.kind, SuspectKind::azimuth);
    EXPECT_NEAR(first.corrected, measured, 0.05);
    EXPECT_EQ(first.suspectBefore, 1);
    EXPECT_EQ(first.suspectAfter, 0);
    EXPECT_LT(first.worstRatioAfter, 2);
    EXPECT_GT(first.explained, 99);
    // Lines shared with the clean loop are poor suspects.
    for (const SuspectReading& r : a.suspects) EXPECT_GT(r.row, cleanClosing);
}

TEST_F(TwoLoops, TransposedDistanceIsFoundFirst) {
    const int blundered = 7;  // P6 - P7
    const Readings measured = between("P6", "P7");
    ASSERT_EQ(measured.distance, 12.3);
    s.shots.di[blundered] = 21.3;
    s.shots.dhor[blundered] = 21.3 * std::cos(measured.inclination * kPi / 180);
    s.shots.des[blundered] = 21.3 * std::sin(measured.inclination * kPi / 180);
    const ClosureAnalysis a = analyse();

    ASSERT_FALSE(a.suspects.empty());
    const SuspectReading& first = a.suspects[0];
    EXPECT_EQ(first.row, blundered);
    EXPECT_EQ(first.kind, SuspectKind::distance);
    EXPECT_DOUBLE_EQ(first.measured, 21.3);
    EXPECT_NEAR(first.corrected, 12.3, 0.015);
    EXPECT_EQ(first.suspectAfter, 0);
}

TEST_F(Closures, ReversedLineIsFound) {
    cave = {{"P1", {0, 0, 0}}, {"P2", {4, 9, 1}}, {"P3", {12, 7, 3}}, {"P4", {10, -3, 2}}};
    shot("P1", "P2");
    const int reversed = shot("P3", "P2", between("P2", "P3"));  // stations swapped
    shot("P3", "P4");
    shot("P4", "P1");
    const ClosureAnalysis a = analyse();
    ASSERT_FALSE(a.suspects.empty());
    EXPECT_EQ(a.suspects[0].row, reversed);
    EXPECT_EQ(a.suspects[0].kind, SuspectKind::reversed);
    EXPECT_LT(a.suspects[0].worstMisclosureAfter, 0.01);
}

TEST_F(Closures, LinesFromAStationToItself) {
    // Field data holds zero shots from a station to itself; one with a length
    // is a blunder whose distance should have been 0.
    cave = {{"P1", {0, 0, 0}}, {"P2", {5, 5, 0}}};
    shot("P1", "P2");
    const int zero = shot("P2", "P2", {0, 0, 0});
    const int stray = shot("P2", "P2", {3.2, 40, 0});
    const ClosureAnalysis a = analyse();

    ASSERT_EQ(a.loops.size(), 2u);
    const LoopClosure& closed = loopClosedBy(a, zero);
    EXPECT_EQ(closed.lines.size(), 1u);
    EXPECT_EQ(closed.ratio, 0);
    EXPECT_EQ(closed.percent, 0);
    EXPECT_EQ(closed.verdict, ClosureVerdict::good);
    EXPECT_EQ(loopClosedBy(a, stray).verdict, ClosureVerdict::suspect);
    ASSERT_FALSE(a.suspects.empty());
    EXPECT_EQ(a.suspects[0].row, stray);
    EXPECT_EQ(a.suspects[0].kind, SuspectKind::distance);
    EXPECT_EQ(a.suspects[0].corrected, 0);
}

TEST_F(Closures, SurveyWithoutLoops) {
    shot("P1", "P2", {10, 0, 0});
    shot("P2", "P3", {10, 90, 0});
    const ClosureAnalysis a = analyse();
    EXPECT_TRUE(a.loops.empty());
    EXPECT_TRUE(a.suspects.empty());
    EXPECT_EQ(a.summary.loops, 0);
}

// Loops with exactly the stated errors: their squared ratios follow the
// chi-square law with 3 degrees of freedom, 4.9 % between its 95 % and 99.9 %
// points (ACEITAVEL) and 0.1 % above (SUSPEITO). The loops of one large grid
// share most of their lines, so its counts scatter widely (1.5 % to 8.5 %
// ACEITAVEL on 58 x 58 grids of different seeds): many small grids are counted.
TEST_F(Closures, SimulatedGridsGradeAsTheChiSquareLaw) {
    int loops = 0, acceptable = 0, suspect = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SetUp();  // a survey of its own
        for (const auto& r : bench::simulatedGrid(10, seed)) shot(r.base, r.sighted, {r.distance, r.azimuth, r.inclination});
        const ClosureAnalysis a = analyse();
        loops += a.summary.loops;
        acceptable += a.summary.acceptable;
        suspect += a.summary.suspect;
    }
    ASSERT_EQ(loops, 200 * 81);
    std::printf("ACEITAVEL %.2f %%, SUSPEITO %.3f %%\n", 100.0 * acceptable / loops, 100.0 * suspect / loops);
    EXPECT_NEAR(100.0 * acceptable / loops, 4.9, 1.0);
    EXPECT_NEAR(100.0 * suspect / loops, 0.1, 0.07);
}

}  // namespace

}  // namespace mirval::testing
