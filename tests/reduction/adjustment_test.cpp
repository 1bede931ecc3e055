// The least-squares adjustment: a loop's closed form, braced and floated
// networks against a dense solution worked out here, and a simulated grid.
#include <gtest/gtest.h>

#include <Eigen/Dense>

#include <set>

#include "bench/simulated_grid.hpp"
#include "legs/leg.hpp"
#include "reduction/adjustment.hpp"
#include "support/closure_survey.hpp"

namespace mirval::testing {

namespace {

class Adjustment : public ClosureSurvey {
protected:
    AdjustmentResults adjust(std::vector<int> floated = {}) {
        reduce();
        return adjustNetwork(s, {InstrumentErrors{}, std::move(floated)});
    }

    // Every named station's position from the dense normal equations of every
    // line read, P1 held at the origin; floated lines weigh `floatWeight` times less.
    std::vector<Eigen::Vector3d> denseSolution(const std::set<int>& floated = {}, double floatWeight = 1) {
        const int n = 3 * (s.stationCount - 1);
        Eigen::MatrixXd normal = Eigen::MatrixXd::Zero(n, n);
        Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n);
        for (int row = 1; row <= s.inputLineCount; ++row) {
            if (s.shots.resolved[row] == 0) continue;
            const Leg leg(s, row);
            Sym3 c = leg.covariance(InstrumentErrors{});
            c.addToDiagonal(1e-6);
            Eigen::Matrix3d w;
            w << c.xx, c.xy, c.xz, c.xy, c.yy, c.yz, c.xz, c.yz, c.zz;
            w = w.inverse() * (floated.count(row) != 0 ? floatWeight : 1.0);
            const Eigen::Vector3d v(leg.vector()[0], leg.vector()[1], leg.vector()[2]);
            const int to = 3 * (s.shots.sighted[row] - 2), from = 3 * (s.shots.base[row] - 2);
            for (const auto& [k, sign] : {std::pair{to, 1.0}, std::pair{from, -1.0}}) {
                if (k < 0) continue;
                rhs.segment<3>(k) += sign * w * v;
                if (to >= 0) normal.block<3, 3>(k, to) += sign * w;
                if (from >= 0) normal.block<3, 3>(k, from) -= sign * w;
            }
        }
        normal.diagonal() += (normal.diagonal().array() == 0).cast<double>().matrix();  // stations never reached
        const Eigen::VectorXd x = normal.ldlt().solve(rhs);
        std::vector<Eigen::Vector3d> at{Eigen::Vector3d::Zero()};
        for (int k = 0; k < n; k += 3) at.push_back(x.segment<3>(k));
        return at;
    }

    void expectAt(const std::vector<Eigen::Vector3d>& expected, double tolerance) {
        for (int i = 1; i <= s.stationCount; ++i) {
            if (s.stations.known[i] == 0) continue;
            const Eigen::Vector3d& e = expected[static_cast<std::size_t>(i - 1)];
            EXPECT_NEAR(s.stations.x[i], e[0], tolerance) << s.stations.name[i].trimmed();
            EXPECT_NEAR(s.stations.y[i], e[1], tolerance) << s.stations.name[i].trimmed();
            EXPECT_NEAR(s.stations.z[i], e[2], tolerance) << s.stations.name[i].trimmed();
        }
    }

    Readings misread(std::string_view from, std::string_view to, double extraDistance) {
        Readings r = between(from, to);
        r.distance += extraDistance;
        return r;
    }
};

TEST_F(Adjustment, OneLoopSharesItsMisclosureByTheLinesCovariances) {
    cave = {{"P1", {0, 0, 0}}, {"P2", {12, 3, -1}}, {"P3", {7, 14, 2}}};
    shot("P1", "P2");
    shot("P2", "P3", misread("P2", "P3", 0.3));
    shot("P3", "P1");
    s.shots.ldb[3] = 2.5;  // a wall reading at P3
    reduce();
    const double wallOffset = s.shots.ldbPoint.x[3] - x("P3");
    Vec3 m{};
    Sym3 total;
    std::vector<Sym3> covariances;
    for (int row = 1; row <= 3; ++row) {
        const Leg leg(s, row);
        m = m + leg.vector();
        covariances.push_back(leg.covariance(InstrumentErrors{}));
        covariances.back().addToDiagonal(1e-6);
        total.add(covariances.back());
    }
    const AdjustmentResults a = adjustNetwork(s, {});
    const Vec3 pull = total.inverse().times(m);
    ASSERT_EQ(a.corrections.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const Vec3 expected = -1.0 * covariances[k].times(pull);
        for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(a.corrections[k].correction[axis], expected[axis], 1e-9);
    }
    EXPECT_NEAR(a.chiSquare, dot(m, pull), 1e-9);
    EXPECT_EQ(a.degreesOfFreedom, 3);
    EXPECT_EQ(a.loops, 1);
    // the loop closes: the duplicate stands on P1, its closure row measures P3 to P1
    EXPECT_EQ(s.stations.x[5001], x("P1"));
    EXPECT_EQ(s.stations.z[5001], z("P1"));
    EXPECT_NEAR(s.shots.dic[4], std::hypot(x("P3"), y("P3"), z("P3")), 1e-3);
    EXPECT_NEAR(s.shots.ldbPoint.x[3] - x("P3"), wallOffset, 1e-9);  // the wall moved with its station
    OutputFile coordinates;
    coordinates.openInMemory();
    writeCoordinateListing(s, coordinates);
    EXPECT_TRUE(hasLine(coordinates.text(), "COORDENADAS AJUSTADAS POR MINIMOS QUADRADOS"));
}

// A braced quadrilateral with a vertical shot, a line of zero length, a stray
// shot from a station to itself and a line no station reaches.
TEST_F(Adjustment, BracedNetworkWithHostileLinesMatchesTheDenseSolution) {
    cave = {{"P1", {0, 0, 0}},  {"P2", {20, 1, -2}}, {"P3", {18, 22, 1}}, {"P4", {-2, 19, 3}},
            {"P5", {20, 1, 6}}, {"P6", {20, 1, 6}}};
    for (const auto& [from, to] : {std::pair{"P1", "P2"}, {"P2", "P3"}, {"P1", "P3"}, {"P2", "P4"}, {"P4", "P1"},
                                   {"P2", "P5"}, {"P5", "P6"}, {"P6", "P3"}}) {
        shot(from, to);
    }
    shot("P3", "P4", misread("P3", "P4", 0.2));
    shot("P4", "P4", {1.5, 30, 0});
    shot("P8", "P9", {5, 0, 0});
    const AdjustmentResults a = adjust();
    EXPECT_EQ(a.stations, 6);
    EXPECT_EQ(a.loops, 5);
    expectAt(denseSolution(), 1e-9);
    EXPECT_NEAR(x("P5"), x("P6"), 1e-3);  // the zero-length line ties its stations
    EXPECT_EQ(s.stations.known[station("P9")], 0);
}

// P2, P3 and P4 hang on P1 by two floated lines; the triangle P1, P5, P6
// closes by its floated, misread line alone.
TEST_F(Adjustment, FloatedLinesAreTheLimitOfNoWeight) {
    cave = {{"P1", {0, 0, 0}}, {"P2", {10, 2, 0}}, {"P3", {14, 11, 1}}, {"P4", {5, 12, -1}},
            {"P5", {-9, 4, 1}}, {"P6", {-6, -8, 2}}};
    const int floatedToP2 = shot("P1", "P2", misread("P1", "P2", 0.4));
    const int floatedToP3 = shot("P1", "P3");
    shot("P2", "P3");
    shot("P3", "P4");
    shot("P4", "P2", misread("P4", "P2", -0.1));
    shot("P1", "P5");
    shot("P5", "P6");
    const int misread = shot("P6", "P1", {12.0, 150, 3});
    const std::set<int> floated{floatedToP2, floatedToP3, misread};
    const AdjustmentResults a = adjust({floatedToP2, floatedToP3, misread});
    expectAt(denseSolution(floated, 1e-9), 1e-5);
    for (const LineCorrection& c : a.corrections) {
        if (c.row >= misread - 2 && c.row < misread) {
            EXPECT_LT(length(c.correction), 1e-9) << c.row;
        }
    }
    EXPECT_EQ(a.degreesOfFreedom, 3);  // only the loop P2, P3, P4 is weighed
}

// The largest grid the store holds, with exactly the stated errors: the
// squared normalised residuals add up to their degrees of freedom.
TEST_F(Adjustment, SimulatedGridHasAVarianceFactorOfOne) {
    for (const auto& r : bench::simulatedGrid(58, 1)) shot(r.base, r.sighted, {r.distance, r.azimuth, r.inclination});
    const AdjustmentResults a = adjust();
    EXPECT_EQ(a.loops, 3249);
    EXPECT_EQ(a.degreesOfFreedom, 3 * 3249);
    EXPECT_NEAR(a.varianceFactor, 1, 0.05);
    EXPECT_EQ(a.verdict, AdjustmentVerdict::explained);
    EXPECT_EQ(s.stations.y[5000 + 3249], s.stations.y[s.shots.equivalent[s.lineCount]]);
}

}  // namespace

}  // namespace mirval::testing
