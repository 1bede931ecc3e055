#pragma once
// Surveys with loops, entered as field readings (distance, azimuth,
// inclination) and reduced by the real reduction.
#include <cmath>
#include <map>
#include <string>

#include "analyses/closures.hpp"
#include "support/survey_builder.hpp"

namespace mirval::testing {

struct Point {
    double x = 0, y = 0, z = 0;
};

struct Readings {
    double distance = 0, azimuth = 0, inclination = 0;
};

class ClosureSurvey : public Survey {
protected:
    // One line as a spreadsheet reader stores it.
    int shot(std::string_view base, std::string_view sighted, Readings r) {
        const int i = add({base, sighted, r.azimuth, 0, 0});
        const double a = r.inclination * kPi / 180;
        s.shots.di[i] = r.distance;
        s.shots.dhor[i] = r.distance * std::cos(a);
        s.shots.des[i] = r.distance * std::sin(a);
        return i;
    }

    // The readings between two places of a cave drawn in `cave`, to two
    // decimals as a surveyor writes them down (declination 0).
    Readings between(std::string_view from, std::string_view to) const {
        const Point& a = cave.at(std::string(from));
        const Point& b = cave.at(std::string(to));
        const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
        const double horizontal = std::hypot(dx, dy);
        double azimuth = std::atan2(dx, dy) * 180 / kPi;
        if (azimuth < 0) azimuth += 360;
        const auto twoDecimals = [](double v) { return std::round(v * 100) / 100; };
        return {twoDecimals(std::hypot(horizontal, dz)), twoDecimals(azimuth),
                twoDecimals(std::atan2(dz, horizontal) * 180 / kPi)};
    }
    int shot(std::string_view base, std::string_view sighted) { return shot(base, sighted, between(base, sighted)); }

    ClosureAnalysis analyse(const InstrumentErrors& sd = {}) {
        reduce();
        return analyseClosures(s, sd);
    }

    static const LoopClosure& loopClosedBy(const ClosureAnalysis& a, int row) {
        for (const LoopClosure& loop : a.loops) {
            if (loop.closingRow == row) return loop;
        }
        ADD_FAILURE() << "no loop closed by line " << row;
        return a.loops.front();
    }

    std::map<std::string, Point> cave;
};

}  // namespace mirval::testing
