#include "analyses/closures.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "legs/leg.hpp"

namespace mirval {

// How a loop is judged
// --------------------
// Every reading of a line has a standard deviation: the distance moves the end
// of the shot along it, the azimuth across it in the horizontal plane (by the
// horizontal distance times the angle), the inclination across it in its
// vertical plane (by the distance times the angle): the leg model's
// covariance. Summed over the lines of a loop these give the 3x3 covariance C
// of the misclosure m.
//
// The ratio is the misclosure's Mahalanobis length sqrt(m' C^-1 m): how many
// standard deviations it is off, in its own direction. A plain length over an
// average expected length would hide the blunders a surveyor most needs to
// see: a loop measured out and back along one passage has a large expected
// error across the passage (the compass) but a tiny one along it (the tape),
// so a 30 cm gap along the passage is a misread distance even though it is
// smaller than the compass allows sideways. The expected value printed beside
// the misclosure is the one-standard-deviation reach in the misclosure's
// direction, |m| / ratio, so the ratio is exactly misclosure over expected.
// Without blunders m' C^-1 m follows the chi-square law with 3 degrees of
// freedom: the verdicts are its 95 % and 99.9 % points, not a number of
// standard deviations of a single reading.

namespace {

// The square roots of the 95 % and 99.9 % points of the chi-square law with 3
// degrees of freedom (7.81 and 16.27), as the report prints them.
constexpr double kGoodRatio = 2.80;
constexpr double kAcceptableRatio = 4.03;

ClosureVerdict verdictOf(double ratio) {
    if (ratio <= kGoodRatio) return ClosureVerdict::good;
    if (ratio <= kAcceptableRatio) return ClosureVerdict::acceptable;
    return ClosureVerdict::suspect;
}

// A loop while it is analysed: its record and the inverse of its covariance.
struct LoopWork {
    LoopClosure closure;
    Sym3 weight;
    double chi2 = 0;  // squared ratio
};

// The rows that fixed the stations, read from the reduction's bookkeeping: a
// row fixed the station it resolved when that station is one of its own; a
// closing row resolved the duplicate that its closure row fixed.
class SurveyTree {
public:
    explicit SurveyTree(const Store& s)
        : s_(s), fixingRow_(kCapacity + 1, 0), closingRowOf_(kCapacity + 1, 0), depth_(kCapacity + 1, -1) {
        const ShotTable& sh = s.shots;
        for (int r = 1; r <= s.lineCount; ++r) {
            const int station = sh.resolved[r];
            if (station == 0) continue;
            if (station == sh.base[r] || station == sh.sighted[r]) {
                fixingRow_[station] = r;
            } else {
                closingRowOf_[station] = r;
            }
        }
        for (int d = kFirstDuplicateStation; d <= kCapacity; ++d) {
            if (closingRowOf_[d] != 0) closingRows_.push_back(closingRowOf_[d]);
        }
    }

    const std::vector<int>& closingRows() const { return closingRows_; }

    // The loop of a closing row: its own line, then the chain from its base
    // and the chain from its sighted station up to where they meet.
    LoopClosure loopOf(int closingRow) {
        const ShotTable& sh = s_.shots;
        LoopClosure loop;
        loop.closingRow = closingRow;
        loop.duplicate = sh.resolved[closingRow];
        loop.original = sh.sighted[closingRow];
        loop.lines.push_back({closingRow, 1});
        int fromBase = sh.base[closingRow];
        int fromSighted = sh.sighted[closingRow];
        while (depthOf(fromBase) > depthOf(fromSighted)) fromBase = climb(fromBase, 1, loop);
        while (depthOf(fromSighted) > depthOf(fromBase)) fromSighted = climb(fromSighted, -1, loop);
        while (fromBase != fromSighted) {
            fromBase = climb(fromBase, 1, loop);
            fromSighted = climb(fromSighted, -1, loop);
        }
        loop.commonStation = fromBase;
        return loop;
    }

private:
    // Steps from a station to the one it was reckoned from. The loop runs
    // towards the station on the base side (+1) and away from it on the
    // sighted side (-1).
    int climb(int station, int side, LoopClosure& loop) const {
        const ShotTable& sh = s_.shots;
        const int row = fixingRow_[station];
        const int direction = station == sh.sighted[row] ? side : -side;
        loop.lines.push_back({lineOf(row), direction});
        return sh.reference[row];
    }

    // A closure row carries the measurements of its closing line.
    int lineOf(int row) const { return row <= s_.inputLineCount ? row : closingRowOf_[s_.shots.sighted[row]]; }

    int depthOf(int station) {
        std::vector<int> path;
        int top = station;
        while (depth_[top] < 0 && fixingRow_[top] != 0) {
            path.push_back(top);
            top = s_.shots.reference[fixingRow_[top]];
        }
        if (depth_[top] < 0) depth_[top] = 0;
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            depth_[*it] = depth_[top] + 1;
            top = *it;
        }
        return depth_[station];
    }

    const Store& s_;
    std::vector<int> fixingRow_;     // per station
    std::vector<int> closingRowOf_;  // per duplicate station
    std::vector<int> depth_;         // lines from the initial base, -1 until known
    std::vector<int> closingRows_;   // in the order of their duplicates
};

class Analysis {
public:
    Analysis(const Store& s, const InstrumentErrors& sd) : s_(s), sd_(sd) {
        legs_.reserve(static_cast<std::size_t>(s.inputLineCount) + 1);
        for (int r = 0; r <= s.inputLineCount; ++r) legs_.emplace_back(s, r);
    }

    ClosureAnalysis run() {
        SurveyTree tree(s_);
        for (int row : tree.closingRows()) loops_.push_back(measure(tree.loopOf(row)));
        ClosureAnalysis result;
        result.errors = sd_;
        result.suspects = locateBlunders();
        for (LoopWork& w : loops_) result.loops.push_back(std::move(w.closure));
        std::stable_sort(result.loops.begin(), result.loops.end(),
                         [](const LoopClosure& a, const LoopClosure& b) { return a.ratio > b.ratio; });
        result.summary = summarise(result.loops);
        return result;
    }

private:
    LoopWork measure(LoopClosure loop) const {
        const StationTable& st = s_.stations;
        const int d = loop.duplicate;
        const int v = loop.original;
        loop.misclosure = {st.x[d] - st.x[v], st.y[d] - st.y[v], st.z[d] - st.z[v]};
        loop.misclosureLength = length(loop.misclosure);
        Sym3 covariance;
        for (const LoopLine& line : loop.lines) {
            loop.length += s_.shots.di[line.row];
            covariance.add(legs_[line.row].covariance(sd_));
        }
        if (loop.length > 0) loop.percent = loop.misclosureLength / loop.length * 100;
        // A small floor keeps the inverse finite for loops of zero shots.
        covariance.addToDiagonal(covariance.trace() / 3 * 1e-6 + 1e-12);
        LoopWork w;
        w.weight = covariance.inverse();
        w.chi2 = w.weight.quadratic(loop.misclosure);
        loop.ratio = std::sqrt(w.chi2);
        loop.expected = loop.ratio > 0 ? loop.misclosureLength / loop.ratio : std::sqrt(covariance.trace() / 3);
        loop.verdict = verdictOf(loop.ratio);
        w.closure = std::move(loop);
        return w;
    }

    // Blunder location
    // ----------------
    // A suspect reading changes one line's vector by delta. Every loop through
    // the line moves by +-delta; the fit minimises the sum of their squared
    // ratios, so the suspect loops close while the good ones sharing the line
    // hold it back. With g = sum(+-W m) and H = sum(W) over those loops, the
    // sum changes by 2 delta'g + delta'H delta.
    struct Fit {
        Vec3 g{};
        Sym3 h;
        double objective(const Vec3& delta) const { return 2 * dot(delta, g) + h.quadratic(delta); }
    };

    struct Through {
        int loop = 0;
        int direction = 1;
    };

    std::vector<SuspectReading> locateBlunders() {
        const bool anySuspect = std::any_of(loops_.begin(), loops_.end(), [](const LoopWork& w) {
            return w.closure.verdict == ClosureVerdict::suspect;
        });
        if (!anySuspect) return {};
        indexLoopsByLine();
        std::vector<std::pair<double, SuspectReading>> found;
        for (int row = 1; row <= s_.inputLineCount; ++row) {
            if (!inSuspectLoop(row)) continue;
            const Fit fit = fitOf(row);
            for (SuspectKind kind : {SuspectKind::distance, SuspectKind::azimuth, SuspectKind::inclination,
                                     SuspectKind::reversed}) {
                consider(row, kind, fit, found);
            }
        }
        // First the corrections that close every suspect loop through their
        // line, then those that close only some; each group by the sum of
        // squared ratios it removes.
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            const bool aCloses = a.second.suspectAfter == 0;
            const bool bCloses = b.second.suspectAfter == 0;
            return aCloses != bCloses ? aCloses : a.first > b.first;
        });
        std::vector<SuspectReading> best;
        for (std::size_t k = 0; k < found.size() && k < kMaxSuspects; ++k) best.push_back(found[k].second);
        return best;
    }

    static constexpr std::size_t kMaxSuspects = 10;

    void indexLoopsByLine() {
        through_.assign(static_cast<std::size_t>(s_.inputLineCount) + 1, {});
        for (std::size_t l = 0; l < loops_.size(); ++l) {
            for (const LoopLine& line : loops_[l].closure.lines) {
                through_[line.row].push_back({static_cast<int>(l), line.direction});
            }
        }
    }

    bool inSuspectLoop(int row) const {
        for (const Through& t : through_[row]) {
            if (loops_[t.loop].closure.verdict == ClosureVerdict::suspect) return true;
        }
        return false;
    }

    Fit fitOf(int row) const {
        Fit fit;
        for (const Through& t : through_[row]) {
            const LoopWork& w = loops_[t.loop];
            fit.g = fit.g + static_cast<double>(t.direction) * w.weight.times(w.closure.misclosure);
            fit.h.add(w.weight);
        }
        return fit;
    }

    // The change of the line's vector when one reading takes a new value.
    Vec3 deltaOf(int row, SuspectKind kind, double value) const {
        const Leg& leg = legs_[row];
        switch (kind) {
            case SuspectKind::distance: return leg.withDistance(value) - leg.vector();
            case SuspectKind::azimuth: return leg.withAzimuth(s_, value) - leg.vector();
            case SuspectKind::inclination: return leg.withInclination(value) - leg.vector();
            case SuspectKind::reversed: return -2.0 * leg.vector();
        }
        return {};
    }

    double measuredValue(int row, SuspectKind kind) const {
        const Leg& leg = legs_[row];
        switch (kind) {
            case SuspectKind::distance: return s_.shots.di[row];
            case SuspectKind::inclination: return leg.inclination();
            case SuspectKind::azimuth:
            case SuspectKind::reversed: return leg.azimuth();
        }
        return 0;
    }

    // The value of the reading that best fits the loops through the line.
    double bestValue(int row, SuspectKind kind, const Fit& fit) const {
        const Leg& leg = legs_[row];
        switch (kind) {
            case SuspectKind::distance: {
                // the vector is linear in the distance: the fit has a closed form
                const Vec3 u = leg.along();
                const double curvature = fit.h.quadratic(u);
                if (curvature <= 0) return s_.shots.di[row];
                return std::max(0.0, leg.sight() - dot(u, fit.g) / curvature);
            }
            case SuspectKind::azimuth: return searchAngle(row, kind, fit, 0, 360, true);
            case SuspectKind::inclination: return searchAngle(row, kind, fit, -90, 90, false);
            case SuspectKind::reversed: return normalisedAzimuth(leg.azimuth() + 180);
        }
        return 0;
    }

    // A coarse sweep, then a golden-section search around the best step; an
    // azimuth may cross north.
    double searchAngle(int row, SuspectKind kind, const Fit& fit, double low, double high, bool wraps) const {
        constexpr double kStep = 5;
        const auto cost = [&](double angle) { return fit.objective(deltaOf(row, kind, angle)); };
        double best = low;
        double bestCost = cost(low);
        for (double angle = low + kStep; angle <= high; angle += kStep) {
            const double c = cost(angle);
            if (c < bestCost) best = angle, bestCost = c;
        }
        double a = wraps ? best - kStep : std::max(low, best - kStep);
        double b = wraps ? best + kStep : std::min(high, best + kStep);
        const double ratio = (std::sqrt(5.0) - 1) / 2;
        double x1 = b - ratio * (b - a);
        double x2 = a + ratio * (b - a);
        double c1 = cost(x1);
        double c2 = cost(x2);
        while (b - a > 1e-6) {
            if (c1 < c2) {
                b = x2, x2 = x1, c2 = c1;
                x1 = b - ratio * (b - a), c1 = cost(x1);
            } else {
                a = x1, x1 = x2, c1 = c2;
                x2 = a + ratio * (b - a), c2 = cost(x2);
            }
        }
        return (a + b) / 2;
    }

    static double normalisedAzimuth(double azimuth) {
        double a = std::fmod(azimuth, 360.0);
        if (a < 0) a += 360;
        return a;
    }

    // The value as the report prints it, two decimals.
    static double printed(SuspectKind kind, double value) {
        const double rounded = std::round(value * 100) / 100;
        return kind == SuspectKind::distance || kind == SuspectKind::inclination ? rounded
                                                                                  : normalisedAzimuth(rounded);
    }

    // Recomputes every loop through the line with the corrected reading and
    // keeps the candidate when it clears at least one suspect loop.
    void consider(int row, SuspectKind kind, const Fit& fit, std::vector<std::pair<double, SuspectReading>>& found) {
        SuspectReading r;
        r.row = row;
        r.kind = kind;
        r.measured = measuredValue(row, kind);
        r.corrected = printed(kind, bestValue(row, kind, fit));
        const Vec3 delta = deltaOf(row, kind, r.corrected);
        // a level line turned right round is the reversed line, listed as such
        if (kind == SuspectKind::azimuth && length(delta - deltaOf(row, SuspectKind::reversed, 0)) < 0.005) return;
        double before = 0;
        double removed = 0;
        for (const Through& t : through_[row]) {
            const LoopWork& w = loops_[t.loop];
            const Vec3 after = w.closure.misclosure + static_cast<double>(t.direction) * delta;
            const double chi2 = w.weight.quadratic(after);
            const double ratio = std::sqrt(chi2);
            before += w.chi2;
            removed += w.chi2 - chi2;
            ++r.loops;
            r.suspectBefore += w.closure.verdict == ClosureVerdict::suspect;
            r.suspectAfter += verdictOf(ratio) == ClosureVerdict::suspect;
            r.worstRatioBefore = std::max(r.worstRatioBefore, w.closure.ratio);
            r.worstRatioAfter = std::max(r.worstRatioAfter, ratio);
            r.worstMisclosureAfter = std::max(r.worstMisclosureAfter, length(after));
        }
        if (!(removed > 0) || r.suspectAfter >= r.suspectBefore) return;
        r.explained = removed / before * 100;
        found.emplace_back(removed, r);
    }

    static ClosureSummary summarise(const std::vector<LoopClosure>& loops) {
        ClosureSummary sum;
        sum.loops = static_cast<int>(loops.size());
        for (const LoopClosure& loop : loops) {
            sum.acceptable += loop.verdict == ClosureVerdict::acceptable;
            sum.suspect += loop.verdict == ClosureVerdict::suspect;
            sum.totalLength += loop.length;
            sum.meanPercent += loop.percent;
            if (sum.worstPercentRow == 0 || loop.percent > sum.worstPercent) {
                sum.worstPercent = loop.percent;
                sum.worstPercentRow = loop.closingRow;
            }
        }
        if (sum.loops > 0) sum.meanPercent /= sum.loops;
        return sum;
    }

    const Store& s_;
    InstrumentErrors sd_;
    std::vector<Leg> legs_;
    std::vector<LoopWork> loops_;
    std::vector<std::vector<Through>> through_;
};

}  // namespace

ClosureAnalysis analyseClosures(const Store& s, const InstrumentErrors& sd) { return Analysis(s, sd).run(); }

}  // namespace mirval
