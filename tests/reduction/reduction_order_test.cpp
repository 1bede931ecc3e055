// The reduction examines only the rows that may be ready, yet must resolve
// rows in the order of plain passes over the whole table. The reference below
// is that plain algorithm (every pass visits every row); random surveys in
// every row order are reduced both ways and must leave identical tables and
// identical messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "reduction/reduction.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"
#include "text/format.hpp"

namespace mirval::testing {

namespace {

namespace plain {

double radians(double degrees) { return degrees * kPi / 180; }

struct Run {
    Store& s;
    LineSink& listing;
    LineSink& console;
    int closures = 0;
};

void fixOpenEnd(Store& s, int i) {
    ShotTable& sh = s.shots;
    StationTable& st = s.stations;
    const bool forward = st.known[sh.base[i]] != 0;
    const int r = forward ? sh.sighted[i] : sh.base[i];
    const int f = forward ? sh.base[i] : sh.sighted[i];
    const double sign = forward ? 1 : -1;
    sh.resolved[i] = r;
    sh.reference[i] = f;
    const double a = radians(sh.az[i] + s.header.declination);
    st.x[r] = st.x[f] + sign * std::sin(a) * sh.dhor[i];
    st.y[r] = st.y[f] + sign * std::cos(a) * sh.dhor[i];
    st.z[r] = st.z[f] + sign * sh.des[i];
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    const double dx = st.x[v] - st.x[b], dy = st.y[v] - st.y[b], dz = st.z[v] - st.z[b];
    sh.dic[i] = std::sqrt(dx * dx + dy * dy + dz * dz);
    sh.inc[i] = std::asin(dz / (sh.dic[i] + kGuard)) * 180 / kPi;
    st.known[r] = 1;
}

void closeLoop(Run& run, int i) {
    Store& s = run.s;
    ShotTable& sh = s.shots;
    StationTable& st = s.stations;
    const int b = sh.base[i];
    const int v = sh.sighted[i];
    const int lastBefore = s.lineCount;
    run.listing.line(fmt::Record()
                         .a("AMBAS ESTACOES DE COORDENADAS CONHECIDAS NA LINHA ")
                         .i0(i)
                         .a(" ; ")
                         .a(st.name[b].trimmed())
                         .a(" e ")
                         .a(st.name[v].trimmed()));
    if (s.lineCount >= kCapacity) failWith("NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.");
    if (run.closures >= kCapacity - kFirstDuplicateStation + 1) failWith("NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000.");
    const int d = kFirstDuplicateStation + run.closures;
    if (d <= s.stationCount || !st.name[d].isBlank()) {
        failWith(fmt::Record()
                     .a("FECHAMENTO ")
                     .i0(i)
                     .a(" : ESTACAO ")
                     .i0(d)
                     .a(" JA USADA PELO LEVANTAMENTO. LIMITE DE 5000 ESTACOES."));
    }
    const int j = lastBefore + 1;
    s.lineCount = j;
    ++run.closures;
    st.known[d] = 0;
    st.name[d].assign(fmt::I(d, 4));
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
    sh.resolved[j] = 0;
    sh.reference[j] = b;
    sh.equivalent[j] = v;
    st.ht[d] = st.ht[v];
    sh.resolved[i] = d;
    sh.reference[i] = b;
    sh.equivalent[i] = d;
    bool measuredBackwards = false;
    for (int l = 1; l <= lastBefore - 1; ++l) measuredBackwards |= sh.base[l] == v && sh.sighted[l] == b;
    if (!measuredBackwards) {
        sh.comment[i].assign(std::string(st.name[d].trimmed()) + " EQUIVALE A " + std::string(st.name[v].trimmed()) +
                             ". " + sh.comment[i].str());
        run.console.line(sh.comment[i].full());
    }
}

bool pass(Run& run) {
    const ShotTable& sh = run.s.shots;
    const Table<int>& known = run.s.stations.known;
    int unresolved = 0;
    int progress = 0;
    const int rows = run.s.lineCount;
    for (int i = 1; i <= rows; ++i) {
        if (sh.resolved[i] != 0) continue;
        const bool baseKnown = known[sh.base[i]] != 0;
        const bool sightedKnown = known[sh.sighted[i]] != 0;
        if (!baseKnown && !sightedKnown) {
            ++unresolved;
            continue;
        }
        ++progress;
        if (baseKnown && sightedKnown) {
            closeLoop(run, i);
            ++unresolved;
        } else {
            fixOpenEnd(run.s, i);
        }
    }
    return unresolved != 0 && progress != 0;
}

void placeWallPoint(Store& s, int i, const Table<double>& reading, WallPoints& point, double turn, bool atBase) {
    const double r = reading[i];
    if (!(r > kAbsent)) return;
    const ShotTable& sh = s.shots;
    const StationTable& st = s.stations;
    const int start = atBase ? sh.base[i] : sh.sighted[i];
    double angle = sh.az[i] + s.header.declination + turn;
    if (turn > 0 && angle >= 360) angle -= 360;
    if (turn < 0 && angle < 0) angle += 360;
    const double a = radians(angle);
    point.x[i] = st.x[start] + std::sin(a) * r;
    point.y[i] = st.y[start] + std::cos(a) * r;
    point.z[i] = r > kPresent ? st.z[start] + (atBase ? sh.hcb[i] : sh.hcv[i]) : st.z[start];
}

void reduce(Store& s, LineSink& listing, LineSink& console) {
    std::fill_n(s.shots.resolved.begin() + 1, s.lineCount, 0);
    StationTable& st = s.stations;
    st.known[1] = 1;
    st.x[1] = s.header.x0;
    st.y[1] = s.header.y0;
    st.z[1] = s.header.z0;
    if (s.header.htini > kPresent) st.zteto[1] = s.header.htini + s.header.z0;
    Run run{s, listing, console};
    while (pass(run)) {
    }
    ShotTable& sh = s.shots;
    for (int i = 1; s.facts.hasWallReadings && i <= s.lineCount; ++i) {
        if (sh.resolved[i] == 0) continue;
        placeWallPoint(s, i, sh.ldb, sh.ldbPoint, 90, true);
        placeWallPoint(s, i, sh.leb, sh.lebPoint, -90, true);
        placeWallPoint(s, i, sh.ldv, sh.ldvPoint, -90, false);
        placeWallPoint(s, i, sh.lev, sh.levPoint, 90, false);
    }
    auto ceiling = [&](int k) {
        if (st.ht[k] > kPresent) st.zteto[k] = st.ht[k] + st.z[k];
    };
    for (int k = 1; k <= std::min(s.lineCount + 1, kCapacity); ++k) ceiling(k);
    for (int k = 1; k <= run.closures; ++k) ceiling(kFirstDuplicateStation - 1 + k);
    s.inputLineCount = s.lineCount - run.closures;
}

}  // namespace plain

// One random survey: its stations and rows, filled alike into any store.
struct RandomSurvey {
    int stationCount = 0;
    bool spe = false;
    double declination = 0;
    struct Row {
        int base, sighted;
        double az, dhor, des, ldb, lev, hcb;
        std::string comment;
    };
    std::vector<Row> rows;
    std::vector<double> ceilings;  // per station from 1

    void fill(Store& s) const {
        initialiseStore(s);
        s.facts.hasWallReadings = !spe;
        s.header.declination = declination;
        s.azimuthCorrection = declination;
        s.header.htini = 1.5;
        for (int k = 1; k <= stationCount; ++k) {
            s.stations.name[k].assign(std::string("P").append(std::to_string(k)));
            s.stations.ht[k] = ceilings[static_cast<std::size_t>(k - 1)];
        }
        s.stationCount = stationCount;
        for (const Row& r : rows) {
            const int i = ++s.lineCount;
            ShotTable& sh = s.shots;
            sh.base[i] = r.base;
            sh.sighted[i] = r.sighted;
            sh.az[i] = r.az;
            sh.dhor[i] = sh.di[i] = r.dhor;
            sh.des[i] = r.des;
            sh.ldb[i] = r.ldb;
            sh.lev[i] = r.lev;
            sh.hcb[i] = r.hcb;
            sh.comment[i].assign(r.comment);
        }
    }
};

// Connected parts (the first holds station 1) of trees with extra lines
// (loops, repeated pairs, lines from a station to itself), in shuffled order
// and either direction. `stations` above 5000 makes the duplicates collide.
RandomSurvey randomSurvey(std::mt19937& random, int stations, int rows) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    RandomSurvey survey;
    survey.stationCount = stations;
    survey.spe = below(8) == 0;
    survey.declination = uniform(-25, 25);
    for (int k = 0; k < stations; ++k) survey.ceilings.push_back(below(3) == 0 ? -1 : uniform(0, 6));
    const int used = std::min(stations, std::max(2, rows));
    const int parts = 1 + below(3);
    auto addRow = [&](int a, int b) {
        if (below(2) == 0) std::swap(a, b);
        survey.rows.push_back({a, b, uniform(0, 360), uniform(0, 20), uniform(-5, 5), below(2) ? uniform(0, 3) : -1,
                               below(2) ? 0.0 : uniform(-1, 3), uniform(0, 2), below(2) ? "c" + std::to_string(below(9)) : ""});
    };
    for (int k = 2; k <= used && static_cast<int>(survey.rows.size()) < rows; ++k) {
        // the stations of one part have equal remainders; the first of a part sights itself
        const int earlier = k - parts * (1 + below(std::max(1, (k - 1) / parts)));
        addRow(earlier >= 1 ? earlier : k, k);
    }
    while (static_cast<int>(survey.rows.size()) < rows) {
        const int a = 1 + below(used);
        switch (below(4)) {
        case 0: addRow(a, a); break;
        case 1: {
            const RandomSurvey::Row& again = survey.rows[static_cast<std::size_t>(below(static_cast<int>(survey.rows.size())))];
            addRow(again.base, again.sighted);
            break;
        }
        default: addRow(a, 1 + below(used));
        }
    }
    std::shuffle(survey.rows.begin(), survey.rows.end(), random);
    return survey;
}

struct Outcome {
    std::unique_ptr<Store> store = std::make_unique<Store>();
    LineCollector listing, console;
    std::optional<int> stopStatus;
    std::vector<std::string> stopMessages;
};

template <class Reduce>
void reduceWith(const RandomSurvey& survey, Outcome& out, Reduce reduce) {
    survey.fill(*out.store);
    try {
        reduce(*out.store, out.listing, out.console);
    } catch (const RunStop& stop) {
        out.stopStatus = stop.status;
        out.stopMessages = stop.messages;
    }
}

void expectSameWalls(const WallPoints& a, const WallPoints& b) {
    EXPECT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z);
}

void expectSame(const Outcome& plainRun, const Outcome& run) {
    const Store& a = *plainRun.store;
    const Store& b = *run.store;
    EXPECT_EQ(plainRun.stopStatus, run.stopStatus);
    EXPECT_EQ(plainRun.listing.text(), run.listing.text());
    EXPECT_EQ(plainRun.console.text(), run.console.text());
    EXPECT_EQ(plainRun.stopMessages, run.stopMessages);
    EXPECT_EQ(a.lineCount, b.lineCount);
    EXPECT_EQ(a.inputLineCount, b.inputLineCount);
    const StationTable& sa = a.stations;
    const StationTable& sb = b.stations;
    EXPECT_TRUE(sa.name == sb.name);
    EXPECT_TRUE(sa.known == sb.known);
    EXPECT_TRUE(sa.x == sb.x && sa.y == sb.y && sa.z == sb.z);
    EXPECT_TRUE(sa.ht == sb.ht && sa.zteto == sb.zteto);
    const ShotTable& ha = a.shots;
    const ShotTable& hb = b.shots;
    EXPECT_TRUE(ha.base == hb.base && ha.sighted == hb.sighted);
    EXPECT_TRUE(ha.resolved == hb.resolved);
    EXPECT_TRUE(ha.reference == hb.reference && ha.equivalent == hb.equivalent);
    EXPECT_TRUE(ha.dic == hb.dic && ha.inc == hb.inc);
    EXPECT_TRUE(ha.di == hb.di && ha.az == hb.az && ha.des == hb.des && ha.dhor == hb.dhor);
    EXPECT_TRUE(ha.hcb == hb.hcb && ha.htb == hb.htb && ha.htv == hb.htv && ha.hcv == hb.hcv);
    EXPECT_TRUE(ha.ldb == hb.ldb && ha.leb == hb.leb && ha.ldv == hb.ldv && ha.lev == hb.lev);
    EXPECT_TRUE(ha.ceilingKind == hb.ceilingKind);
    EXPECT_TRUE(ha.comment == hb.comment);
    expectSameWalls(ha.ldbPoint, hb.ldbPoint);
    expectSameWalls(ha.lebPoint, hb.lebPoint);
    expectSameWalls(ha.ldvPoint, hb.ldvPoint);
    expectSameWalls(ha.levPoint, hb.levPoint);
}

void expectSameAsPlainPasses(const RandomSurvey& survey) {
    Outcome plainRun;
    Outcome run;
    reduceWith(survey, plainRun, plain::reduce);
    reduceWith(survey, run, [](Store& s, LineSink& listing, LineSink& console) {
        RunLog log{console, listing};
        reduceSurvey(s, log);
    });
    expectSame(plainRun, run);
}

TEST(ReductionOrder, RandomSurveysResolveAsPlainPasses) {
    std::mt19937 random(16);
    for (int round = 0; round < 300; ++round) {
        const int stations = 2 + static_cast<int>(random() % 60);
        const int rows = 1 + static_cast<int>(random() % 120);
        SCOPED_TRACE("round " + std::to_string(round));
        expectSameAsPlainPasses(randomSurvey(random, stations, rows));
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ReductionOrder, LargeSurveysAndCapacityFailuresResolveAsPlainPasses) {
    std::mt19937 random(1616);
    // Duplicate numbers taken by named stations: the run stops at a closure.
    expectSameAsPlainPasses(randomSurvey(random, 5001, 300));
    expectSameAsPlainPasses(randomSurvey(random, 5020, 80));
    // Many loops: the closure rows fill the table.
    expectSameAsPlainPasses(randomSurvey(random, 400, 6000));
    expectSameAsPlainPasses(randomSurvey(random, 3000, 4000));
}

}  // namespace

}  // namespace mirval::testing
