// The files rebuilt the way therion and cavern read them: on a survey without
// loops every station must land where the reduction put it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "writers/exchange/exchange.hpp"
#include "exchange_survey.hpp"

namespace mirval {
namespace {

using test::ExchangeSurvey;
using test::linesOf;

struct Position {
    double x = 0, y = 0, z = 0;
};

struct Shot {
    std::string from, to;
    Position delta;
};

using Placed = std::map<std::string, Position>;

Placed place(const std::string& first, Position origin, const std::vector<Shot>& shots) {
    Placed placed{{first, origin}};
    for (bool progress = true; progress;) {
        progress = false;
        for (const Shot& s : shots) {
            const bool hasFrom = placed.count(s.from) != 0, hasTo = placed.count(s.to) != 0;
            if (hasFrom == hasTo) continue;
            const double sign = hasFrom ? 1.0 : -1.0;
            const Position& known = placed[hasFrom ? s.from : s.to];
            placed[hasFrom ? s.to : s.from] = {known.x + sign * s.delta.x, known.y + sign * s.delta.y,
                                               known.z + sign * s.delta.z};
            progress = true;
        }
    }
    return placed;
}

std::vector<Shot> therionShots(const std::string& file) {
    std::vector<Shot> shots;
    bool inData = false;
    for (const std::string& line : linesOf(file)) {
        if (line.rfind("data cartesian", 0) == 0) inData = true;
        else if (inData && line.empty()) break;
        else if (inData) {
            std::istringstream fields(line);
            Shot s;
            fields >> s.from >> s.to >> s.delta.x >> s.delta.y >> s.delta.z;
            if (s.to != "-") shots.push_back(s);
        }
    }
    return shots;
}

// Compass shots are "from    to": a splay has one blank after its station.
std::vector<Shot> compassShots(const std::string& file, double declination) {
    constexpr double kDegree = 3.14159265358979323846 / 180.0;
    std::vector<Shot> shots;
    const auto lines = linesOf(file);
    for (std::size_t n = 9; n < lines.size() && lines[n] != "\f"; ++n) {
        std::istringstream fields(lines[n]);
        Shot s;
        double feet = 0, bearing = 0, inclination = 0;
        fields >> s.from >> s.to >> feet >> bearing >> inclination;
        if (lines[n].compare(s.from.size(), 4, "    ") != 0) continue;
        const double length = feet / 3.28084, horizontal = length * std::cos(inclination * kDegree);
        const double grid = (bearing + declination) * kDegree;
        s.delta = {horizontal * std::sin(grid), horizontal * std::cos(grid), length * std::sin(inclination * kDegree)};
        shots.push_back(s);
    }
    return shots;
}

// A branching survey of 30 stations, half of its lines measured backwards.
ExchangeSurvey branchingSurvey() {
    ExchangeSurvey survey;
    const double declination = survey.header().declination;
    StationTable& st = survey.stations();
    for (int n = 1; n <= 30; ++n) {
        const int parent = 1 + ((n - 1) * 5) % n;  // any station placed before
        const double azimuth = std::fmod(n * 47.3, 360.0), horizontal = 2.0 + (n % 7) * 1.7;
        const double grid = (azimuth + declination) * kPi / 180;
        const std::string name = std::string("S").append(std::to_string(n));
        const int s = survey.station(name, st.x[parent] + std::sin(grid) * horizontal,
                                     st.y[parent] + std::cos(grid) * horizontal, st.z[parent] + ((n % 5) - 2) * 0.9,
                                     1.0 + n % 3);
        const int row = n % 2 == 0 ? survey.line(parent, s, azimuth)
                                   : survey.line(s, parent, std::fmod(azimuth + 180.0, 360.0));
        survey.shots().htv[row] = 1.5;
    }
    return survey;
}

void expectWhereTheSurveyHasThem(ExchangeSurvey& survey, const Placed& placed, const char* file) {
    const StationTable& st = survey.stations();
    EXPECT_EQ(placed.size(), 31u) << file;
    for (int s = 1; s <= 31; ++s) {
        const auto found = placed.find(std::string(st.name[s].trimmed()));
        ASSERT_NE(found, placed.end()) << file << ": " << st.name[s].trimmed();
        const Position& p = found->second;
        const double distance = std::hypot(p.x - st.x[s], p.y - st.y[s], p.z - st.z[s]);
        EXPECT_LT(distance, 0.02) << file << ": " << st.name[s].trimmed();
    }
}

TEST(ExchangeGeometry, EveryFilePlacesTheStationsOfASurveyWithoutLoops) {
    ExchangeSurvey survey = branchingSurvey();
    const SurveyHeader& h = survey.header();
    const Position base{h.x0, h.y0, h.z0};
    expectWhereTheSurveyHasThem(survey, place("A1", base, therionShots(survey.write(WRTTHE))), "therion");
    using Named = std::pair<test::Writer, const char*>;
    for (const auto& [writer, name] : {Named{CMPLRU, "lrud"}, Named{CMPSPL, "splays"}}) {
        const auto shots = compassShots(survey.write(writer), h.declination);
        EXPECT_EQ(shots.size(), 30u) << name;
        expectWhereTheSurveyHasThem(survey, place("A1", base, shots), name);
    }
}

}  // namespace
}  // namespace mirval
