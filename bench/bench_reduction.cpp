// Reduces chains of stations whose rows come in different orders: listed from
// the far end (the worst order for passes in row order; 10000 lines, two of
// them unreachable), the same listed from the start, and a 4500-station chain
// listed from the start with a line closing a loop every tenth station.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "analyses/metric.hpp"
#include "reduction/reduction.hpp"
#include "store/store.hpp"

namespace {

using mirval::kCapacity;

struct Chain {
    const char* name;
    int stations;
    bool fromFarEnd;
    int loopEvery;  // 0: no loops
};

int addRow(mirval::Store& s, int base, int sighted) {
    const int row = ++s.lineCount;
    s.shots.base[row] = base;
    s.shots.sighted[row] = sighted;
    s.shots.az[row] = (base * 37) % 360;
    s.shots.dhor[row] = 5.0;
    s.shots.des[row] = -0.5;
    s.shots.ldb[row] = 1.0;
    s.shots.lev[row] = 0.8;
    return row;
}

void fillChainSurvey(mirval::Store& s, const Chain& chain) {
    for (int station = 1; station <= chain.stations + 1; ++station) {
        s.stations.name[station].assign(std::string("P").append(std::to_string(station)));
        s.stations.ht[station] = 1.5;
    }
    s.stationCount = chain.stations + 1;
    for (int k = 1; k < chain.stations; ++k) {
        const int base = chain.fromFarEnd ? chain.stations - k : k;
        addRow(s, base, base + 1);
        if (chain.loopEvery > 0 && (base + 1) % chain.loopEvery == 0) addRow(s, base + 1, base - 2);
    }
    while (s.lineCount < kCapacity && chain.loopEvery == 0) {  // an isolated station, sighted from itself
        addRow(s, chain.stations + 1, chain.stations + 1);
    }
}

void reduceChain(const Chain& chain) {
    auto store = std::make_unique<mirval::Store>();
    mirval::Store& s = *store;
    mirval::initialiseStore(s);
    fillChainSurvey(s, chain);
    mirval::LineCollector listing;
    mirval::LineCollector console;
    mirval::RunLog log{console, listing};

    const auto start = std::chrono::steady_clock::now();
    mirval::reduceSurvey(s, log);
    const auto reduced = std::chrono::steady_clock::now();
    const mirval::SurveyStatistics stats = mirval::computeStatistics(s);
    const auto done = std::chrono::steady_clock::now();

    int resolved = 0;
    for (int i = 1; i <= s.lineCount; ++i) resolved += s.shots.resolved[i] != 0;
    std::printf("reduction of %s: %.3f ms (%d of %d rows resolved); statistics %.3f ms; X(east) %.2f\n", chain.name,
                std::chrono::duration<double, std::milli>(reduced - start).count(), resolved, s.lineCount,
                std::chrono::duration<double, std::milli>(done - reduced).count(), stats.east.value);
}

}  // namespace

int main() {
    reduceChain({"chain listed from its far end", kCapacity - 1, true, 0});
    reduceChain({"chain listed from its start", kCapacity - 1, false, 0});
    reduceChain({"chain with loops, from its start", 4500, false, 10});
    return 0;
}
