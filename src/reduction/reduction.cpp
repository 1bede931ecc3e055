// The reduction: passes over the survey lines from the initial base, loop closures
// with duplicate stations, wall points and ceiling elevations.
#include "reduction/reduction.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <queue>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "legs/leg.hpp"
#include "store/stop.hpp"
#include "text/format.hpp"

namespace mirval {

namespace {

constexpr int kInitialStation = 1;
constexpr int kMaxClosures = kCapacity - kFirstDuplicateStation + 1;  // 5000

// After the first pass, the rows still unresolved, by station: the rows that
// touch each station (a row from a station to itself twice), in row order.
class PendingRowsByStation {
public:
    explicit PendingRowsByStation(const Store& s) {
        const ShotTable& sh = s.shots;
        std::vector<int> pending;
        int lastStation = 0;
        for (int i = 1; i <= s.lineCount; ++i) {
            if (sh.resolved[i] != 0) continue;
            pending.push_back(i);
            lastStation = std::max({lastStation, sh.base[i], sh.sighted[i]});
        }
        first_.assign(static_cast<std::size_t>(lastStation) + 2, 0);
        for (const int i : pending) {
            ++first_[static_cast<std::size_t>(sh.base[i]) + 1];
            ++first_[static_cast<std::size_t>(sh.sighted[i]) + 1];
        }
        std::partial_sum(first_.begin(), first_.end(), first_.begin());
        rows_.resize(static_cast<std::size_t>(first_.back()));
        std::vector<int> filled(first_.begin(), first_.end() - 1);
        for (const int i : pending) {
            rows_[static_cast<std::size_t>(filled[static_cast<std::size_t>(sh.base[i])]++)] = i;
            rows_[static_cast<std::size_t>(filled[static_cast<std::size_t>(sh.sighted[i])]++)] = i;
        }
    }
    // Empty for a station no pending row touches.
    std::span<const int> of(int station) const {
        const auto k = static_cast<std::size_t>(station);
        if (k + 1 >= first_.size()) return {};
        return std::span<const int>(rows_).subspan(static_cast<std::size_t>(first_[k]),
                                                   static_cast<std::size_t>(first_[k + 1] - first_[k]));
    }

private:
    std::vector<int> first_;  // per station, its first entry in rows_
    std::vector<int> rows_;
};

// The rows the passes after the first one examine: rows of the current pass
// come out in row order; a row that becomes ready goes to the current pass
// while the pass has not reached it yet, otherwise to the next pass. A row
// can be queued twice (once per station); the second time it is resolved.
class PassSchedule {
public:
    bool empty() const { return current_.empty(); }
    int pop() {
        const int row = current_.top();
        current_.pop();
        return row;
    }
    // A row that became ready while the pass stands at row `at`.
    void wake(int row, int at) {
        if (row > at) {
            current_.push(row);
        } else {
            next_.push_back(row);
        }
    }
    void queueForNextPass(int row) { next_.push_back(row); }
    // Starts the next pass; false when it has nothing to examine.
    bool startNextPass() {
        current_ = Queue(std::greater<>(), std::move(next_));
        next_.clear();
        return !current_.empty();
    }

private:
    using Queue = std::priority_queue<int, std::vector<int>, std::greater<>>;
    Queue current_;
    std::vector<int> next_;
};

// The first row of the table with a given base and sighted station, built at
// the first closure from the rows of the table then, and kept up to date with
// the closure rows: a closure asks whether its line was also measured the
// other way round.
class FirstRowOfLine {
public:
    // 0 when no row joins them that way.
    int find(const ShotTable& sh, int lineCount, int base, int sighted) {
        if (!built_) {
            built_ = true;
            rows_.reserve(static_cast<std::size_t>(lineCount) * 2);
            for (int i = 1; i <= lineCount; ++i) add(sh, i);
        }
        const auto found = rows_.find(key(base, sighted));
        return found == rows_.end() ? 0 : found->second;
    }
    void add(const ShotTable& sh, int row) {
        if (built_) rows_.try_emplace(key(sh.base[row], sh.sighted[row]), row);
    }

private:
    static std::uint64_t key(int base, int sighted) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(base)) << 32 | static_cast<std::uint32_t>(sighted);
    }
    bool built_ = false;
    std::unordered_map<std::uint64_t, int> rows_;
};

struct Reduction {
    Store& s;
    LineSink& resultListing;
    LineSink& console;
    int closures = 0;
    FirstRowOfLine firstRowOfLine{};
};

void start(Store& s) {
    std::fill_n(s.shots.resolved.begin() + 1, s.lineCount, 0);
    StationTable& st = s.stations;
    const SurveyHeader& h = s.header;
    st.known[kInitialStation] = 1;
    st.x[kInitialStation] = h.x0;
    st.y[kInitialStation] = h.y0;
    st.z[kInitialStation] = h.z0;
    if (h.htini > kPresent) st.zteto[kInitialStation] = h.htini + h.z0;
}

// DIC and INC of row i from the coordinates of its two stations, base to sighted.
void measureFromCoordinates(Store& s, int i) {
    const StationTable& st = s.stations;
    const int b = s.shots.base[i];
    const int v = s.shots.sighted[i];
    const double dx = st.x[v] - st.x[b];
    const double dy = st.y[v] - st.y[b];
    const double dz = st.z[v] - st.z[b];
    const double dic = std::sqrt(dx * dx + dy * dy + dz * dz);
    s.shots.dic[i] = dic;
    s.shots.inc[i] = std::asin(dz / (dic + kGuard)) * 180 / kPi;
}

// Row i has exactly one fixed station: it fixes the other one. A row measured
// backwards (only the sighted station fixed) subtracts the vector.
void fixOpenEnd(Store& s, int i) {
    ShotTable& sh = s.shots;
    StationTable& st = s.stations;
    const bool forward = st.known[sh.base[i]] != 0;
    const int r = forward ? sh.sighted[i] : sh.base[i];
    const int f = forward ? sh.base[i] : sh.sighted[i];
    const double sign = forward ? 1 : -1;
    sh.resolved[i] = r;
    sh.reference[i] = f;
    const Vec3 shot = Leg(s, i).vector();
    st.x[r] = st.x[f] + sign * shot[0];
    st.y[r] = st.y[f] + sign * shot[1];
    st.z[r] = st.z[f] + sign * shot[2];
    measureFromCoordinates(s, i);
    st.known[r] = 1;
}

// The capacity of the store bounds the closures: the closure row must fit the
// shot table and the duplicate station the upper half of the station table.
void checkClosureCapacity(const Reduction& red, int i) {
    Store& s = red.s;
    if (s.lineCount >= kCapacity) stopTooManyLines();
    if (red.closures >= kMaxClosures) stopTooManyStations();
    const int d = kFirstDuplicateStation + red.closures;
    prepareStation(s, d);
    if (d <= s.stationCount || !s.stations.name[d].isBlank()) {
        failWith(fmt::Record()
                     .a("FECHAMENTO ")
                     .i0(i)
                     .a(" : ESTACAO ")
                     .i0(d)
                     .a(" JA USADA PELO LEVANTAMENTO. LIMITE DE 5000 ESTACOES."));
    }
}

// The closure row j repeats the measurements of row i towards the duplicate d.
void appendClosureRow(Store& s, int i, int j, int d) {
    ShotTable& sh = s.shots;
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    sh.base[j] = b;
    sh.sighted[j] = d;
    sh.di[j] = sh.di[i];
    sh.dhor[j] = sh.dhor[i];
    sh.az[j] = sh.az[i];
    sh.des[j] = sh.des[i];
    sh.htv[j] = sh.htv[i];
    sh.htb[j] = sh.htb[i];
    sh.hcb[j] = sh.hcb[i];
    sh.hcv[j] = sh.hcv[i];
    sh.ceilingKind[j] = sh.ceilingKind[i];
    sh.ldb[j] = sh.leb[j] = sh.ldv[j] = sh.lev[j] = -1;
    sh.comment[j].clear();
    s.lines.row[j] = s.lines.row[i];
    sh.resolved[j] = 0;
    sh.reference[j] = b;
    sh.equivalent[j] = v;
    s.stations.ht[d] = s.stations.ht[v];
}

// Row i joins two fixed stations. It is not adjusted: a closure row fixes a
// duplicate station where the row's own measurements put the sighted station.
void closeLoop(Reduction& red, int i) {
    Store& s = red.s;
    ShotTable& sh = s.shots;
    StationTable& st = s.stations;
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    const int lastBefore = s.lineCount;
    red.resultListing.line(fmt::Record()
                               .a("AMBAS ESTACOES DE COORDENADAS")
                               .a(" CONHECIDAS NA LINHA ")
                               .i0(i)
                               .a(" ; ")
                               .a(st.name[b].trimmed())
                               .a(" e ")
                               .a(st.name[v].trimmed()));
    checkClosureCapacity(red, i);
    // whether a row before the last one of the table was measured from v back to b
    const int reverse = red.firstRowOfLine.find(sh, lastBefore, v, b);
    const bool measuredBackwards = reverse != 0 && reverse < lastBefore;
    const int j = lastBefore + 1;
    prepareRow(s, j);
    s.lineCount = j;
    ++red.closures;
    const int d = kFirstDuplicateStation - 1 + red.closures;
    st.known[d] = 0;
    st.name[d].assign(fmt::I(d, 4));
    appendClosureRow(s, i, j, d);
    sh.resolved[i] = d;
    sh.reference[i] = b;
    sh.equivalent[i] = d;
    red.firstRowOfLine.add(sh, j);
    if (!measuredBackwards) {
        sh.comment[i].assign(std::string(st.name[d].trimmed()) + " EQUIVALE A " + std::string(st.name[v].trimmed()) +
                             ". " + sh.comment[i].str());
        red.console.line(sh.comment[i].full());
    }
}

bool isReady(const Store& s, int i) {
    const ShotTable& sh = s.shots;
    const Table<int>& known = s.stations.known;
    return sh.resolved[i] == 0 && (known[sh.base[i]] != 0 || known[sh.sighted[i]] != 0);
}

// Row i has a fixed station: it fixes the other one and returns it, or it
// closes a loop, appending a closure row, and returns 0.
int handleRow(Reduction& red, int i) {
    Store& s = red.s;
    const ShotTable& sh = s.shots;
    const Table<int>& known = s.stations.known;
    if (known[sh.base[i]] != 0 && known[sh.sighted[i]] != 0) {
        closeLoop(red, i);
        return 0;
    }
    fixOpenEnd(s, i);
    return sh.resolved[i];
}

// The first pass visits every row in row order; stations fixed by a row serve
// the rows after it, rows appended during the pass wait for the next one.
void runFirstPass(Reduction& red) {
    const int rows = red.s.lineCount;
    for (int i = 1; i <= rows; ++i) {
        if (isReady(red.s, i)) handleRow(red, i);
    }
}

// The later passes behave as passes over the whole table, but visit only rows
// that may be ready: the unresolved rows with a fixed station after the first
// pass (closure rows included), then the rows of each newly fixed station. The
// passes end when one fixes nothing or nothing is left.
void runLaterPasses(Reduction& red) {
    const Store& s = red.s;
    PassSchedule schedule;
    for (int i = 1; i <= s.lineCount; ++i) {
        if (isReady(s, i)) schedule.queueForNextPass(i);
    }
    if (!schedule.startNextPass()) return;
    const PendingRowsByStation pending(s);
    do {
        while (!schedule.empty()) {
            const int i = schedule.pop();
            if (!isReady(s, i)) continue;
            const int fixed = handleRow(red, i);
            if (fixed == 0) {
                schedule.queueForNextPass(s.lineCount);
                continue;
            }
            for (const int row : pending.of(fixed)) {
                if (s.shots.resolved[row] == 0) schedule.wake(row, i);
            }
        }
    } while (schedule.startNextPass());
}

struct WallReading {
    const Table<double>& reading;
    WallPoints& point;
    double turn;        // degrees added to the line's azimuth
    bool atBase;        // start point and instrument height of the base or the sighted station
};

double wrapDegrees(double angle, double turn) {
    if (turn > 0 && angle >= 360) return angle - 360;
    if (turn < 0 && angle < 0) return angle + 360;
    return angle;
}

void placeWallPoint(Store& s, int i, const WallReading& w) {
    const double r = w.reading[i];
    if (!(r > kAbsent)) return;
    const ShotTable& sh = s.shots;
    const StationTable& st = s.stations;
    const int start = w.atBase ? sh.base[i] : sh.sighted[i];
    const double instrument = w.atBase ? sh.hcb[i] : sh.hcv[i];
    const double a = radians(wrapDegrees(gridAzimuth(s, sh.az[i]) + w.turn, w.turn));
    w.point.x[i] = st.x[start] + std::sin(a) * r;
    w.point.y[i] = st.y[start] + std::cos(a) * r;
    w.point.z[i] = r > kPresent ? st.z[start] + instrument : st.z[start];
}

// The walls at the sighted station are read facing back towards the base:
// the right wall there lies to the left of the line's azimuth.
void placeWallPoints(Store& s) {
    ShotTable& sh = s.shots;
    const WallReading readings[] = {{sh.ldb, sh.ldbPoint, 90, true},
                                    {sh.leb, sh.lebPoint, -90, true},
                                    {sh.ldv, sh.ldvPoint, -90, false},
                                    {sh.lev, sh.levPoint, 90, false}};
    for (int i = 1; i <= s.lineCount; ++i) {
        if (sh.resolved[i] == 0) continue;
        for (const WallReading& w : readings) placeWallPoint(s, i, w);
    }
}

void setCeilingElevation(StationTable& st, int station) {
    if (st.ht[station] > kPresent) st.zteto[station] = st.ht[station] + st.z[station];
}

// Stations 1 to N + 1 and the duplicate stations of the closures.
void setCeilingElevations(Store& s, int closures) {
    const int last = std::min(s.lineCount + 1, kCapacity);
    for (int station = 1; station <= last; ++station) setCeilingElevation(s.stations, station);
    for (int k = 1; k <= closures; ++k) setCeilingElevation(s.stations, kFirstDuplicateStation - 1 + k);
}

void placeWallsAndCeilings(Store& s) {
    if (s.facts.hasWallReadings) placeWallPoints(s);
    setCeilingElevations(s, s.lineCount - s.inputLineCount);
}

// The rows no pass could reach, in row order.
void listUnresolvedLines(Store& s) {
    s.unresolvedCount = 0;
    for (int i = 1; i <= s.lineCount; ++i) {
        if (s.shots.resolved[i] == 0) s.unresolved[++s.unresolvedCount] = i;
    }
}

}  // namespace

void reduceSurvey(Store& s, RunLog& log) {
    Reduction red{s, log.listing, log.console};
    start(s);
    runFirstPass(red);
    runLaterPasses(red);
    s.inputLineCount = s.lineCount - red.closures;
    placeWallsAndCeilings(s);
    listUnresolvedLines(s);
}

void computeDerivedValues(Store& s) {
    const ShotTable& sh = s.shots;
    for (int i = 1; i <= s.lineCount; ++i) {
        const int fixed = sh.resolved[i];
        if (fixed != 0 && (fixed == sh.base[i] || fixed == sh.sighted[i])) measureFromCoordinates(s, i);
    }
    placeWallsAndCeilings(s);
}

}  // namespace mirval
