// The metric analysis as the listings and the console log report it.
#include "writers/listings/metric_report.hpp"

#include "text/format.hpp"

namespace mirval {

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
    // The report's texts stand as the listings have always had them ("'da gruta", the
    // missing ")" after "sul"): users compare listings of old and new runs.
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
