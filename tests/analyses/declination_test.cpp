// The azimuth correction: the added line, the options' values and the refusals.
#include "analyses/declination.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "store/stop.hpp"

namespace mirval {
namespace {

// Iporanga, 24.58 S 48.59 W, zone 22, on 14/08/2022.
SurveyHeader iporanga() {
    SurveyHeader h;
    h.day.assign("14"), h.month.assign("08"), h.year.assign("2022");
    h.declination = -21.5, h.x0 = 744059.971, h.y0 = 7279421.012, h.z0 = 100, h.utmZone = -22;
    return h;
}

TEST(Declination, TheAddedLineAndTheTurn) {
    const AzimuthCorrection automatic = azimuthCorrection(iporanga(), SurveyFormat::Spreadsheet, {true, false});
    EXPECT_EQ(automatic.logLine, "DECLINACAO CALCULADA (IGRF-14) PARA 14/08/2022 EM 24.580 S 48.590 W: -20.58 GRAUS; "
                                 "CONVERGENCIA MERIDIANA: -1.00 GRAUS");
    EXPECT_DOUBLE_EQ(automatic.degrees, automatic.declination - automatic.convergence);
    EXPECT_EQ(typedDeclination(automatic), " -19.58");

    const AzimuthCorrection grid = azimuthCorrection(iporanga(), SurveyFormat::LegacySpe, {false, true});
    EXPECT_EQ(grid.logLine,
              "DECLINACAO DO CABECALHO: -21.50 GRAUS; CONVERGENCIA MERIDIANA EM 24.580 S 48.590 W: -1.00 GRAUS");
    EXPECT_DOUBLE_EQ(grid.degrees, -21.5 - grid.convergence);

    const AzimuthCorrection none = azimuthCorrection(iporanga(), SurveyFormat::LegacySpe, {});
    EXPECT_EQ(none.degrees, -21.5);
    EXPECT_EQ(none.logLine, "");
}

// The first line of the stop for Iporanga's header after `change`, or "" when it is taken.
template <class Change>
std::string refusal(Change change, DeclinationOptions options = {true, false},
                    SurveyFormat format = SurveyFormat::Spreadsheet) {
    SurveyHeader h = iporanga();
    change(h);
    try {
        azimuthCorrection(h, format, options);
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.status, 1);
        return stop.messages.at(0);
    }
    return "";
}

auto date(const char* day, const char* month, const char* year) {
    return [=](SurveyHeader& h) { h.day.assign(day), h.month.assign(month), h.year.assign(year); };
}

TEST(Declination, Refusals) {
    EXPECT_EQ(refusal([](SurveyHeader&) {}, {true, false}, SurveyFormat::LegacySpe),
              "DECLINAÇÃO AUTOMÁTICA IMPOSSÍVEL: LEVANTAMENTOS SPE NÃO TRAZEM A DATA DO LEVANTAMENTO");
    EXPECT_EQ(refusal(date("29", "02", "1900")), "DATA DO LEVANTAMENTO INVÁLIDA: 29 02 1900");
    EXPECT_EQ(refusal(date("29", "02", "2000")), "");
    EXPECT_EQ(refusal(date("14", "1a", "2022")), "DATA DO LEVANTAMENTO INVÁLIDA: 14 1a 2022");
    const std::string outside = "DATA DO LEVANTAMENTO FORA DO PERÍODO DO IGRF-14 (01/01/1900 A 01/01/2030): ";
    EXPECT_EQ(refusal(date("31", "12", "1899")), outside + "31/12/1899");
    EXPECT_EQ(refusal(date("2", "1", "2030")), outside + "02/01/2030");
    EXPECT_EQ(refusal(date("01", "01", "2030")), "");

    EXPECT_EQ(refusal([](SurveyHeader& h) { h.utmZone = 0; }, {false, true}), "ZONA UTM INVÁLIDA NO CABEÇALHO: 0");
    EXPECT_EQ(refusal([](SurveyHeader& h) { h.utmZone = INT_MIN; }), "ZONA UTM INVÁLIDA NO CABEÇALHO: -2147483648");
    EXPECT_EQ(refusal([](SurveyHeader& h) { h.x0 = 2000000, h.y0 = 7280000; }, {false, true}),
              "BASE INICIAL FORA DO ALCANCE DA ZONA UTM -22: X= 2000000.000 Y= 7280000.000");
    EXPECT_TRUE(refusal([](SurveyHeader& h) { h.x0 = NAN; }).starts_with("BASE INICIAL FORA DO ALCANCE DA ZONA UTM"));
    // a northern zone's grid carries on south of the equator
    EXPECT_EQ(refusal([](SurveyHeader& h) { h.utmZone = 23, h.x0 = 500000, h.y0 = -1000; }), "");
    EXPECT_EQ(refusal([](SurveyHeader& h) { h.z0 = 20000; }),
              "ALTITUDE DA BASE INICIAL FORA DOS LIMITES DO MODELO DO CAMPO (-1000 A 10000 M): Z= 20000.000");
}

}  // namespace
}  // namespace mirval
