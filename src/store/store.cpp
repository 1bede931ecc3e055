// The initial values of a run's store.
#include "store/store.hpp"

namespace mirval {

namespace {

void fillWall(WallPoints& p) {
    p.x.fill(-1);
    p.y.fill(-1);
    p.z.fill(-1);
}

void initialiseStations(StationTable& t) {
    for (auto& n : t.name) n.clear();
    t.known.fill(0);
    t.x.fill(0);
    t.y.fill(0);
    t.z.fill(0);
    t.ht.fill(-1);
    t.zteto.fill(-1);
}

void initialiseShots(ShotTable& t) {
    for (auto* column : {&t.base, &t.sighted, &t.resolved, &t.reference, &t.equivalent}) column->fill(0);
    for (auto* column : {&t.di, &t.az, &t.des, &t.dhor, &t.hcb, &t.htb, &t.htv, &t.hcv, &t.dic, &t.inc}) {
        column->fill(0);
    }
    for (auto* column : {&t.ldb, &t.leb, &t.ldv, &t.lev}) column->fill(-1);
    for (auto& c : t.comment) c.clear();
    for (auto* column : {&t.ceilingKind, &t.distanceKind, &t.bearingPrefix, &t.bearingSuffix, &t.verticalKind}) {
        column->fill(' ');
    }
    for (auto* wall : {&t.ldbPoint, &t.lebPoint, &t.ldvPoint, &t.levPoint}) fillWall(*wall);
}

}  // namespace

void initialiseStore(Store& s) {
    s.header = SurveyHeader{};
    initialiseStations(s.stations);
    initialiseShots(s.shots);
    s.lineCount = 0;
    s.inputLineCount = 0;
    s.stationCount = 0;
    s.ceilingTolerance = 10.0;
    s.facts = SurveyFacts{};
    s.lines.declination = s.lines.initialBase = 0;
    s.lines.row.fill(0);
    s.unresolved.fill(0);
    s.unresolvedCount = 0;
    s.statistics = SurveyStatistics{};
    s.exchangeZone = 0;
}

}  // namespace mirval
