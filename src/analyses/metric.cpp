// The metric analysis: the cave's extent from its internal stations.
#include "analyses/metric.hpp"

#include <algorithm>

namespace mirval {

namespace {

constexpr double kFarAway = 100000000;      // start of the coordinate extremes
constexpr double kFarCeiling = 100000;      // start of the ceiling extremes without an initial ceiling

void keepGreater(Extreme& e, int station, double value) {
    if (value > e.value) e = {station, value};
}

void keepSmaller(Extreme& e, int station, double value) {
    if (value < e.value) e = {station, value};
}

void sweepCoordinates(const StationTable& st, int last, SurveyStatistics& out) {
    out.east = out.north = out.highest = {1, -kFarAway};
    out.west = out.south = out.lowest = {1, kFarAway};
    for (int s = 1; s <= last; ++s) {
        if (!(st.ht[s] > 0)) continue;
        keepGreater(out.east, s, st.x[s]);
        keepSmaller(out.west, s, st.x[s]);
        keepGreater(out.north, s, st.y[s]);
        keepSmaller(out.south, s, st.y[s]);
        keepGreater(out.highest, s, st.z[s]);
        keepSmaller(out.lowest, s, st.z[s]);
    }
}

void sweepCeilings(const Store& store, int last, SurveyStatistics& out) {
    const SurveyHeader& h = store.header;
    const StationTable& st = store.stations;
    if (h.htini > kPresent) {
        const double initial = st.z[1] + h.htini;
        out.highestCeiling = out.lowestCeiling = {1, initial};
    } else {
        out.highestCeiling = {1, -kFarCeiling};
        out.lowestCeiling = {1, kFarCeiling};
    }
    for (int s = 1; s <= last; ++s) {
        if (!(st.ht[s] > kPresent)) continue;
        keepGreater(out.highestCeiling, s, st.zteto[s]);
        if (st.zteto[s] > kPresent) keepSmaller(out.lowestCeiling, s, st.zteto[s]);
    }
}

double meanCeilingHeight(const StationTable& st) {
    double sum = 0;
    int count = 0;
    for (int s = 1; s <= kCapacity; ++s) {
        if (!(st.ht[s] > kPresent)) continue;
        sum += st.ht[s];
        ++count;
    }
    return count == 0 ? 0 : sum / count;
}

double midRange(const Extreme& max, const Extreme& min) { return (max.value + min.value) / 2; }
double span(const Extreme& max, const Extreme& min) { return max.value - min.value; }

}  // namespace

SurveyStatistics computeStatistics(const Store& s) {
    SurveyStatistics out;
    const int last = std::min(s.lineCount + 1, kCapacity);
    sweepCoordinates(s.stations, last, out);
    sweepCeilings(s, last, out);
    out.midX = midRange(out.east, out.west);
    out.midY = midRange(out.north, out.south);
    out.midZ = midRange(out.highest, out.lowest);
    out.midCeiling = midRange(out.highestCeiling, out.lowestCeiling);
    out.spanX = span(out.east, out.west);
    out.spanY = span(out.north, out.south);
    out.spanZ = span(out.highest, out.lowest);
    out.spanCeiling = span(out.highestCeiling, out.lowestCeiling);
    out.meanCeilingHeight = meanCeilingHeight(s.stations);
    return out;
}

}  // namespace mirval
