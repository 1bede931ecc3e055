#pragma once
// A survey built directly in a private store, with the result listing and the
// console log kept in memory.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/metric.hpp"
#include "reduction/reduction.hpp"
#include "store/store.hpp"
#include "writers/listings/listings.hpp"

namespace mirval::testing {

struct Shot {
    std::string_view base, sighted;
    double az = 0, dhor = 0, des = 0;
};

class Survey : public ::testing::Test {
protected:
    void SetUp() override {
        initialiseStore(s);
        s.header.caveName.assign("Gruta");
        station("P1");
        listing.openInMemory();
    }

    // The index of a named station; a new name takes the next entry.
    int station(std::string_view name) {
        for (int i = 1; i <= s.stationCount; ++i) {
            if (s.stations.name[i].trimmed() == name) return i;
        }
        s.stations.name[++s.stationCount].assign(name);
        return s.stationCount;
    }
    int add(const Shot& shot) {
        const int i = ++s.lineCount;
        s.shots.base[i] = station(shot.base);
        s.shots.sighted[i] = station(shot.sighted);
        s.shots.az[i] = shot.az;
        s.shots.dhor[i] = shot.dhor;
        s.shots.des[i] = shot.des;
        return i;
    }
    void add(std::initializer_list<Shot> shots) {
        for (const Shot& shot : shots) add(shot);
    }
    void reduce() {
        RunLog log{console, listing};
        reduceSurvey(s, log);
    }
    // Reduction, statistics, the result listing body and the console's summary.
    void reduceAndList() {
        reduce();
        s.statistics = computeStatistics(s);
        writeResultListingBody(s, listing);
        writeResultSummary(s, console);
    }
    double x(std::string_view name) { return s.stations.x[station(name)]; }
    double y(std::string_view name) { return s.stations.y[station(name)]; }
    double z(std::string_view name) { return s.stations.z[station(name)]; }

    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    static bool hasLine(const std::string& text, std::string_view wanted) {
        for (const std::string& l : lines(text)) {
            if (l == wanted) return true;
        }
        return false;
    }

    std::unique_ptr<Store> owned = std::make_unique<Store>();
    Store& s = *owned;
    OutputFile listing;
    LineCollector console;
};

}  // namespace mirval::testing
