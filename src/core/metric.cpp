#include "core/metric.hpp"

#include <algorithm>

#include "text/format.hpp"

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

void WRTMAXMIN(LineSink& out, int scale, const Table<Name>& names, const SurveyStatistics& stats) {
    using fmt::Record;
    const auto value = [scale](double v) { return scaledForListing(v, scale); };
    const auto name = [&names](const Extreme& e) { return names[e.station].trimmed(); };
    const auto extremeLine = [&](const char* lead, const Extreme& e, const char* separator, int width) {
        out.line(Record().a(lead).a(name(e)).a(separator).f(value(e.value), width, 2).a(" m"));
    };
    const auto figureLine = [&](const char* lead, double v, int width) {
        out.line(Record().a(lead).f(value(v), width, 2).a(" m"));
    };
    out.emptyLine();
    out.emptyLine();
    out.line("ANÁLISE DOS RESULTADOS MÉTRICOS DA TOPOGRAFIA");
    out.emptyLine();
    out.line("Somente considera as estações internas 'da gruta");
    out.emptyLine();
    extremeLine("Estação com coordenada mais a LESTE: ", stats.east, " :", 11);
    extremeLine("Estação com coordenada mais a OESTE: ", stats.west, " :", 11);
    extremeLine("Estação com coordenada mais ao NORTE: ", stats.north, " :", 12);
    extremeLine("Estação com coordenada mais ao SUL:   ", stats.south, ":", 12);
    out.emptyLine();
    extremeLine("Estação de cota mais ALTA: ", stats.highest, " - Altitude=", 8);
    extremeLine("Estação de cota mais BAIXA: ", stats.lowest, " - Altitude=", 8);
    out.emptyLine();
    extremeLine("Cota de teto mais alta: ", stats.highestCeiling, " : ", 8);
    extremeLine("Cota de teto mais baixa: ", stats.lowestCeiling, " : ", 8);
    out.emptyLine();
    figureLine("Coordenada X central:", stats.midX, 11);
    figureLine("Coordenada Y central:", stats.midY, 11);
    out.emptyLine();
    figureLine("Altitude central: ", stats.midZ, 8);
    figureLine("Altitude central das alturas dos tetos: ", stats.midCeiling, 8);
    out.emptyLine();
    figureLine("Diferença entre coordenadas X (mais a leste e mais a oeste): ", stats.spanX, 8);
    figureLine("Diferença entre coordenadas Y (mais a norte e mais a sul: ", stats.spanY, 8);
    out.emptyLine();
    figureLine("Desnível (cota da estação mais alta menos a cota da estação mais baixa): ", stats.spanZ, 8);
    figureLine("Diferença entre cota de teto mais alta e cota de teto mais baixa:", stats.spanCeiling, 8);
    figureLine("Diferença entre cota da estação mais baixa e cota de teto mais alta:",
               stats.highestCeiling.value - stats.lowest.value, 8);
    out.emptyLine();
}

void writeExtentSummary(LineSink& console, const Table<Name>& names, const SurveyStatistics& stats) {
    using fmt::Record;
    const auto extremeLine = [&](const char* lead, const char* axis, const Extreme& e) {
        console.line(Record().a(lead).a(axis).a(names[e.station].trimmed()).a(")=").f(e.value, 12, 2));
    };
    console.emptyLine();
    extremeLine("X(MAX)=     ", "X(", stats.east);
    extremeLine("X(MIN)=     ", "X(", stats.west);
    extremeLine("Y(MAX)=     ", "Y(", stats.north);
    extremeLine("Y(MIN)=     ", "Y(", stats.south);
    extremeLine("Z(MAX)=     ", "Z(", stats.highest);
    extremeLine("Z(MIN)=     ", "Z(", stats.lowest);
    extremeLine("ZTETO(MAX)= ", "Z(", stats.highestCeiling);
    extremeLine("ZTETO(MIN)= ", "Z(", stats.lowestCeiling);
    console.line(Record().a("X MEDIO = ").x(6).f(stats.midX, 12, 2));
    console.line(Record().a("Y MEDIO = ").x(6).f(stats.midY, 12, 2));
    console.line(Record().a("Z MEDIO = ").x(6).f(stats.midZ, 12, 2));
    console.line(Record().a("ZTETO MEDIO = ").x(2).f(stats.midCeiling, 12, 2));
    console.line(Record().a("DELTA X = ").x(8).f(stats.spanX, 10, 2));
    console.line(Record().a("DELTA Y = ").x(8).f(stats.spanY, 10, 2));
    console.line(Record().a("DELTA Z = ").x(8).f(stats.spanZ, 10, 2));
    console.line(Record().a("DZ TETO = ").x(8).f(stats.spanCeiling, 10, 2));
    console.emptyLine();
    writeMeanCeilingHeight(console, stats);
}

void writeMeanCeilingHeight(LineSink& out, const SurveyStatistics& stats) {
    out.line(fmt::Record().a("ALTURA MEDIA DO TETO= ").f(stats.meanCeilingHeight, 8, 2).a(" m"));
}

}  // namespace mirval
