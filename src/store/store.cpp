// The initial values of a run's store.
#include "store/store.hpp"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <type_traits>

namespace mirval {

namespace {

// Table entries [first, last) of chunk `chunk`.
struct ChunkRange {
    int first, last;
};
ChunkRange chunkRange(int chunk) { return {chunk * kChunk, std::min((chunk + 1) * kChunk, kCapacity + 1)}; }

template <class T>
void fillRange(Table<T>& table, ChunkRange range, const T& value) {
    std::fill(table.begin() + range.first, table.begin() + range.last, value);
}

// The values of a row and of a station that are not 0.
void prepareRowChunk(ShotTable& t, ChunkRange range) {
    for (auto* column : {&t.ldb, &t.leb, &t.ldv, &t.lev}) fillRange(*column, range, -1.0);
    for (auto* wall : {&t.ldbPoint, &t.lebPoint, &t.ldvPoint, &t.levPoint}) {
        for (auto* axis : {&wall->x, &wall->y, &wall->z}) fillRange(*axis, range, -1.0);
    }
    fillRange(t.comment, range, LongText());
    for (auto* column : {&t.ceilingKind, &t.distanceKind, &t.bearingPrefix, &t.bearingSuffix, &t.verticalKind}) {
        fillRange(*column, range, ' ');
    }
}

void prepareStationChunk(StationTable& t, ChunkRange range) {
    fillRange(t.name, range, Name());
    fillRange(t.ht, range, -1.0);
    fillRange(t.zteto, range, -1.0);
}

// The values that are not 0 outside the tables.
void initialiseScalars(Store& s) {
    s.header = SurveyHeader{};
    s.facts = SurveyFacts{};
    s.statistics = SurveyStatistics{};
    s.ceilingTolerance = 10.0;
    s.azimuthCorrection = 0;
    s.networkAdjusted = false;
}

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
    initialiseScalars(s);
    initialiseStations(s.stations);
    initialiseShots(s.shots);
    s.lineCount = 0;
    s.inputLineCount = 0;
    s.stationCount = 0;
    s.lines.declination = s.lines.initialBase = 0;
    s.lines.row.fill(0);
    s.unresolved.fill(0);
    s.unresolvedCount = 0;
    s.exchangeZone = 0;
    s.preparedRows.fill(true);
    s.preparedStations.fill(true);
}

void FreeStore::operator()(Store* s) const { std::free(s); }

// newStore relies on it: a Store comes to life in zeroed memory.
static_assert(std::is_trivially_copyable_v<Store> && std::is_trivially_destructible_v<Store>);

StorePtr newStore() {
    // calloc hands out a large block as fresh zero pages; a Store, whose members
    // are all trivially copyable, comes to life in it with every byte 0.
    void* memory = std::calloc(1, sizeof(Store));
    if (memory == nullptr) throw std::bad_alloc();
    StorePtr s(static_cast<Store*>(memory));
    initialiseScalars(*s);
    return s;
}

StorePtr copyOfStore(const Store& s) {
    StorePtr copy = newStore();
    *copy = s;
    return copy;
}

void prepareRow(Store& s, int row) {
    const int chunk = row / kChunk;
    if (s.preparedRows[chunk]) return;
    prepareRowChunk(s.shots, chunkRange(chunk));
    s.preparedRows[chunk] = true;
}

void prepareStation(Store& s, int station) {
    const int chunk = station / kChunk;
    if (s.preparedStations[chunk]) return;
    prepareStationChunk(s.stations, chunkRange(chunk));
    s.preparedStations[chunk] = true;
}

}  // namespace mirval
