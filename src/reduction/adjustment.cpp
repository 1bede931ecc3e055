// The least-squares adjustment of the survey network.
#include "reduction/adjustment.hpp"

#include <Eigen/Core>
#include <Eigen/SparseCore>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "legs/leg.hpp"
#include "reduction/reduction.hpp"
#include "store/stop.hpp"

namespace mirval {

// How the network is adjusted
// ---------------------------
// Every line the reduction reached observes the vector from its base to its
// sighted station (a loop's duplicate station is its original), with the
// covariance C of the leg model and a floor of (1 mm)^2 per axis, so that a
// line of zero length, or a vertical one, still ties its stations. The
// initial station holds its header coordinates; the others move from where
// dead reckoning put them by the shifts d minimising
//     sum (d_v - d_b - m)' C^-1 (d_v - d_b - m)
// over the lines, m being what a line asks beyond the dead-reckoned positions
// (the misclosure, on the line that closed a loop). The normal equations are
// sparse, symmetric and positive definite, 3 unknowns per station moved,
// solved by Eigen's sparse LDL' factorisation.
//
// A floated line has no weight: the limit of its weight going to zero. The
// weighted lines are adjusted first; each part of the network that they leave
// apart from the initial station keeps the shape they give it (one of its
// stations held where dead reckoning put it) and then moves as a whole by the
// floated lines alone, in a second, smaller system of the same kind.

namespace {

constexpr double kFloorVariance = 1e-6;  // (1 mm)^2 per axis
constexpr std::size_t kLargestListed = 20;
constexpr int kInitialStation = 1;

using Vector3 = Eigen::Vector3d;
using Matrix3 = Eigen::Matrix3d;

Vector3 toEigen(const Vec3& v) { return {v[0], v[1], v[2]}; }

Matrix3 toEigen(const Sym3& m) {
    Matrix3 e;
    e << m.xx, m.xy, m.xz, m.xy, m.yy, m.yz, m.xz, m.yz, m.zz;
    return e;
}

// One line in a system of normal equations: the unknowns it joins (-1 for a
// position held), what it asks of their difference, and its weight.
struct Equation {
    int from = -1, to = -1;
    Vector3 misfit;
    Matrix3 weight;
};

// The unknowns x minimising sum (x_to - x_from - misfit)' W (x_to - x_from - misfit),
// a held position counting as 0.
std::vector<Vector3> leastSquares(int unknowns, const std::vector<Equation>& equations) {
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(equations.size() * 36);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(3 * unknowns);
    const auto addBlock = [&](int row, int column, const Matrix3& m) {
        if (row < 0 || column < 0) return;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) entries.emplace_back(3 * row + i, 3 * column + j, m(i, j));
        }
    };
    for (const Equation& e : equations) {
        if (e.from == e.to) continue;  // a line from a station to itself moves nothing
        addBlock(e.to, e.to, e.weight);
        addBlock(e.from, e.from, e.weight);
        addBlock(e.to, e.from, -e.weight);
        addBlock(e.from, e.to, -e.weight);
        const Vector3 pull = e.weight * e.misfit;
        if (e.to >= 0) rhs.segment<3>(3 * e.to) += pull;
        if (e.from >= 0) rhs.segment<3>(3 * e.from) -= pull;
    }
    Eigen::SparseMatrix<double> normal(3 * unknowns, 3 * unknowns);
    normal.setFromTriplets(entries.begin(), entries.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(normal);
    Eigen::VectorXd x;
    if (solver.info() == Eigen::Success) x = solver.solve(rhs);
    if (solver.info() != Eigen::Success || !x.allFinite()) {
        failWith("AJUSTAMENTO IMPOSSIVEL: AS EQUACOES NORMAIS DA POLIGONAL NAO TEM SOLUCAO UNICA.");
    }
    std::vector<Vector3> solution(static_cast<std::size_t>(unknowns));
    for (int k = 0; k < unknowns; ++k) solution[static_cast<std::size_t>(k)] = x.segment<3>(3 * k);
    return solution;
}

// The parts of the network that the weighted lines hold together.
class Parts {
public:
    explicit Parts(int count) : parent_(static_cast<std::size_t>(count)) {
        std::iota(parent_.begin(), parent_.end(), 0);
    }
    int of(int node) {
        while (parent_[static_cast<std::size_t>(node)] != node) {
            int& up = parent_[static_cast<std::size_t>(node)];
            up = parent_[static_cast<std::size_t>(up)];
            node = up;
        }
        return node;
    }
    void join(int a, int b) { parent_[static_cast<std::size_t>(of(a))] = of(b); }

private:
    std::vector<int> parent_;
};

// The upper point of the chi-square law with k degrees of freedom at the
// normal deviate z (Wilson and Hilferty's approximation; within 1 % from k = 3).
double chiSquarePoint(double z, int k) {
    const double a = 2.0 / (9.0 * k);
    const double c = 1 - a + z * std::sqrt(a);
    return k * c * c * c;
}

AdjustmentVerdict verdictOf(double chiSquare, int degrees) {
    if (degrees == 0) return AdjustmentVerdict::noLoops;
    if (chiSquare < chiSquarePoint(-1.6449, degrees)) return AdjustmentVerdict::better;
    if (chiSquare <= chiSquarePoint(1.6449, degrees)) return AdjustmentVerdict::explained;
    if (chiSquare <= chiSquarePoint(3.0902, degrees)) return AdjustmentVerdict::doubtful;
    return AdjustmentVerdict::unexplained;
}

// A line of the network: its nodes, what it asks beyond dead reckoning, its weight.
struct NetworkLine {
    int row = 0;
    int base = 0, sighted = 0;  // nodes
    Vector3 misfit;
    Matrix3 weight;
    bool floated = false;
};

class Adjustment {
public:
    Adjustment(Store& s, const AdjustmentRequest& request) : s_(s), request_(request) {
        nodeOf_.assign(kCapacity + 1, -1);
        nodeFor(kInitialStation);
        std::vector<bool> floated(static_cast<std::size_t>(s.inputLineCount) + 1, false);
        for (const int row : request.floatedLines) {
            if (row >= 1 && row <= s.inputLineCount) floated[static_cast<std::size_t>(row)] = true;
        }
        for (int row = 1; row <= s.inputLineCount; ++row) {
            if (s.shots.resolved[row] != 0) addLine(row, floated[static_cast<std::size_t>(row)]);
        }
    }

    AdjustmentResults run() {
        shifts_ = shiftsOfParts(shapeOfParts());
        AdjustmentResults r;
        r.errors = request_.errors;
        r.floatedLines = request_.floatedLines;
        r.stations = static_cast<int>(stations_.size());
        r.lines = static_cast<int>(lines_.size());
        r.loops = r.lines - r.stations + 1;
        r.degreesOfFreedom = 3 * (weightedLines() - r.stations + partCount_);
        listCorrections(r);
        r.varianceFactor = r.degreesOfFreedom > 0 ? r.chiSquare / r.degreesOfFreedom : 0;
        r.verdict = verdictOf(r.chiSquare, r.degreesOfFreedom);
        listShifts(r);
        moveStations();
        return r;
    }

private:
    int nodeFor(int station) {
        int& node = nodeOf_[static_cast<std::size_t>(station)];
        if (node < 0) {
            node = static_cast<int>(stations_.size());
            stations_.push_back(station);
        }
        return node;
    }

    Vector3 reckoned(int station) const {
        const StationTable& st = s_.stations;
        return {st.x[station], st.y[station], st.z[station]};
    }

    void addLine(int row, bool floated) {
        const int b = s_.shots.base[row];
        const int v = s_.shots.sighted[row];
        const Leg leg(s_, row);
        Sym3 covariance = leg.covariance(request_.errors);
        covariance.addToDiagonal(kFloorVariance);
        NetworkLine line;
        line.row = row;
        line.base = nodeFor(b);
        line.sighted = nodeFor(v);
        line.misfit = toEigen(leg.vector()) - (reckoned(v) - reckoned(b));
        line.weight = toEigen(covariance.inverse());
        line.floated = floated;
        lines_.push_back(line);
    }

    int weightedLines() const {
        return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [](const NetworkLine& l) { return !l.floated; }));
    }

    // The shifts the weighted lines give, each part holding one station
    // (the initial station in its own part); numbers the parts.
    std::vector<Vector3> shapeOfParts() {
        Parts parts(static_cast<int>(stations_.size()));
        for (const NetworkLine& line : lines_) {
            if (!line.floated) parts.join(line.base, line.sighted);
        }
        partOf_.assign(stations_.size(), -1);
        std::vector<int> partOfRoot(stations_.size(), -1);
        std::vector<int> unknownOf(stations_.size(), -1);
        int unknowns = 0;
        partCount_ = 0;
        for (std::size_t node = 0; node < stations_.size(); ++node) {
            int& part = partOfRoot[static_cast<std::size_t>(parts.of(static_cast<int>(node)))];
            if (part < 0) {
                part = partCount_++;  // the first node of a part is held; node 0, the initial station, is part 0
            } else {
                unknownOf[node] = unknowns++;
            }
            partOf_[node] = part;
        }
        std::vector<Equation> equations;
        for (const NetworkLine& line : lines_) {
            if (line.floated) continue;
            equations.push_back({unknownOf[static_cast<std::size_t>(line.base)],
                                 unknownOf[static_cast<std::size_t>(line.sighted)], line.misfit, line.weight});
        }
        const std::vector<Vector3> solution = leastSquares(unknowns, equations);
        std::vector<Vector3> shifts(stations_.size(), Vector3::Zero());
        for (std::size_t node = 0; node < stations_.size(); ++node) {
            if (unknownOf[node] >= 0) shifts[node] = solution[static_cast<std::size_t>(unknownOf[node])];
        }
        return shifts;
    }

    // Moves each part but the initial station's by the floated lines between parts.
    std::vector<Vector3> shiftsOfParts(std::vector<Vector3> shifts) const {
        if (partCount_ == 1) return shifts;
        std::vector<Equation> equations;
        for (const NetworkLine& line : lines_) {
            const int from = partOf_[static_cast<std::size_t>(line.base)];
            const int to = partOf_[static_cast<std::size_t>(line.sighted)];
            if (!line.floated || from == to) continue;
            const Vector3 shaped = shifts[static_cast<std::size_t>(line.sighted)] - shifts[static_cast<std::size_t>(line.base)];
            equations.push_back({from - 1, to - 1, line.misfit - shaped, line.weight});
        }
        const std::vector<Vector3> moves = leastSquares(partCount_ - 1, equations);
        for (std::size_t node = 0; node < shifts.size(); ++node) {
            if (partOf_[node] > 0) shifts[node] += moves[static_cast<std::size_t>(partOf_[node] - 1)];
        }
        return shifts;
    }

    void listCorrections(AdjustmentResults& r) const {
        for (const NetworkLine& line : lines_) {
            const Vector3 c = shifts_[static_cast<std::size_t>(line.sighted)] - shifts_[static_cast<std::size_t>(line.base)] - line.misfit;
            const double chiSquare = c.dot(line.weight * c);
            if (!line.floated) r.chiSquare += chiSquare;
            r.corrections.push_back({line.row, {c[0], c[1], c[2]}, std::sqrt(chiSquare), line.floated});
        }
        for (std::size_t k = 0; k < r.corrections.size(); ++k) {
            if (!r.corrections[k].floated) r.largest.push_back(static_cast<int>(k));
        }
        const auto larger = [&](int a, int b) {
            return r.corrections[static_cast<std::size_t>(a)].normalised > r.corrections[static_cast<std::size_t>(b)].normalised;
        };
        const std::size_t listed = std::min(kLargestListed, r.largest.size());
        std::partial_sort(r.largest.begin(), r.largest.begin() + static_cast<std::ptrdiff_t>(listed), r.largest.end(), larger);
        r.largest.resize(listed);
    }

    void listShifts(AdjustmentResults& r) const {
        for (std::size_t node = 0; node < stations_.size(); ++node) {
            const Vector3& d = shifts_[node];
            r.shifts.push_back({stations_[node], {d[0], d[1], d[2]}, d.norm()});
        }
        std::stable_sort(r.shifts.begin(), r.shifts.end(),
                         [](const StationShift& a, const StationShift& b) { return a.length > b.length; });
    }

    // The stations to their adjusted positions, each duplicate to its original's.
    void moveStations() {
        StationTable& st = s_.stations;
        for (std::size_t node = 0; node < stations_.size(); ++node) {
            const int station = stations_[node];
            st.x[station] += shifts_[node][0];
            st.y[station] += shifts_[node][1];
            st.z[station] += shifts_[node][2];
        }
        for (int row = s_.inputLineCount + 1; row <= s_.lineCount; ++row) {
            const int duplicate = s_.shots.sighted[row];
            const int original = s_.shots.equivalent[row];
            st.x[duplicate] = st.x[original];
            st.y[duplicate] = st.y[original];
            st.z[duplicate] = st.z[original];
        }
        computeDerivedValues(s_);
        s_.networkAdjusted = true;
    }

    Store& s_;
    const AdjustmentRequest& request_;
    std::vector<int> nodeOf_;    // per station, its node; -1 outside the network
    std::vector<int> stations_;  // per node, its station; node 0 is the initial station
    std::vector<NetworkLine> lines_;
    std::vector<int> partOf_;    // per node, its part; part 0 holds the initial station
    int partCount_ = 0;
    std::vector<Vector3> shifts_;  // per node, adjusted minus dead-reckoned
};

}  // namespace

AdjustmentResults adjustNetwork(Store& s, const AdjustmentRequest& request) { return Adjustment(s, request).run(); }

}  // namespace mirval
