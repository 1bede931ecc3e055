// Reduces a 10000-line survey whose rows come in the worst order: a chain of
// stations listed from its far end, so every pass fixes one row, plus two rows
// that no pass can reach.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "analyses/metric.hpp"
#include "reduction/reduction.hpp"
#include "store/store.hpp"

namespace {

void fillWorstOrderSurvey(mirval::Store& s) {
    using mirval::kCapacity;
    const int chainStations = kCapacity - 1;
    for (int station = 1; station <= kCapacity; ++station) {
        s.stations.name[station].assign(std::string("P").append(std::to_string(station)));
        s.stations.ht[station] = 1.5;
    }
    s.stationCount = kCapacity;
    int row = 0;
    for (int base = chainStations - 1; base >= 1; --base) {
        ++row;
        s.shots.base[row] = base;
        s.shots.sighted[row] = base + 1;
        s.shots.az[row] = (base * 37) % 360;
        s.shots.dhor[row] = 5.0;
        s.shots.des[row] = -0.5;
        s.shots.ldb[row] = 1.0;
        s.shots.lev[row] = 0.8;
    }
    while (row < kCapacity) {  // an isolated station, sighted from itself
        ++row;
        s.shots.base[row] = s.shots.sighted[row] = kCapacity;
    }
    s.lineCount = row;
}

}  // namespace

int main() {
    auto store = std::make_unique<mirval::Store>();
    mirval::Store& s = *store;
    mirval::initialiseStore(s);
    fillWorstOrderSurvey(s);
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
    std::printf("reduction of %d lines in worst order: %.3f s (%d resolved); statistics %.6f s; X(east) %.2f\n",
                s.lineCount, std::chrono::duration<double>(reduced - start).count(), resolved,
                std::chrono::duration<double>(done - reduced).count(), stats.east.value);
    return 0;
}
