// The Compass files.
#include <gtest/gtest.h>

#include "writers/exchange/exchange.hpp"
#include "exchange_survey.hpp"

namespace mirval {
namespace {

using test::ExchangeSurvey;
using test::linesOf;
using test::padded;

constexpr int kFirstShot = 9;  // after the nine header lines

TEST(CompassHeader, BothFilesShareTheHeaderAndTheEnd) {
    ExchangeSurvey survey;
    // 79 bytes and then "ã" across the 80-byte cut; a team of 130 bytes.
    survey.header().caveName.assign(std::string(79, 'G') + "ão");
    survey.header().team.assign(std::string(130, 'e'));
    for (const test::Writer writer : {CMPLRU, CMPSPL}) {
        ExchangeSurvey copy;
        copy.header() = survey.header();
        const std::string file = copy.write(writer);
        const auto lines = linesOf(file);
        ASSERT_GE(lines.size(), 10u);
        EXPECT_EQ(lines[0], std::string(79, 'G') + " ");
        EXPECT_EQ(lines[1], "SURVEY NAME: A");
        EXPECT_EQ(lines[2], "SURVEY DATE: 10 25 2021  COMMENT:");
        EXPECT_EQ(lines[3], "SURVEY TEAM: ");
        EXPECT_EQ(lines[4], std::string(128, 'e'));
        EXPECT_EQ(lines[5], "DECLINATION: -21.50  FORMAT: DMMDLRUDLAaDdNF  CORRECTIONS:  0.00 000 0.00"
                            "  CORRECTIONS2:  0.00 0.00");
        EXPECT_EQ(lines[6], "");
        EXPECT_EQ(lines[7], "FROM      TO    LENGHT   BEARING       INC      LEFT        UP      DOWN     RIGHT"
                            "   FLAGS  COMMENTS        LENGTH AND LRUD IN INTERNATIONAL FEET");
        EXPECT_EQ(lines[8], "");
        EXPECT_EQ(file.substr(file.size() - 3), "\f\n\x1A");
    }
}

TEST(CompassLrud, ShotLinesInFeetWithTheMissingMarker) {
    ExchangeSurvey survey;
    const int a2 = survey.station("A2", 500000.0, 7700010.0, 800.0);
    const int a3 = survey.station("A3", 500010.0, 7700010.0, 800.0);
    ShotTable& sh = survey.shots();
    const int i = survey.line(1, a2, 21.5, " galeria");
    sh.leb[i] = 1.0;
    sh.hcb[i] = 1.5;
    sh.htb[i] = -1.0;
    const int j = survey.line(a2, a3, 111.5);
    sh.ldb[j] = 2.0;
    sh.htb[j] = 3.0;
    const int k = survey.closingLine(a3, 1, 500000.0, 7699999.0, 799.0, "5001 EQUIVALE A A1. fecha");
    sh.az[k] = 246.0;
    sh.hcb[k] = 1.2;
    sh.htb[k] = -1.0;
    const int l = survey.closingLine(a3, a2, 500000.0, 7700010.0, 800.0);
    sh.htb[l] = 2.5;

    const auto lines = linesOf(survey.write(CMPLRU));
    ASSERT_EQ(lines.size(), kFirstShot + 4u + 2u);
    EXPECT_EQ(lines[kFirstShot], "A1    A2    32.808    21.50     0.00     3.281    -9.900     4.921    -9.900"
                                 "        " + padded(" galeria"));
    EXPECT_EQ(lines[kFirstShot + 1], "A2    A3    32.808   111.50     0.00    -9.900     9.843     0.000     6.562"
                                     "        " + padded(""));
    // A closing line takes its length and inclination from its closure row.
    EXPECT_EQ(lines[kFirstShot + 2], "A3    A1    48.883   246.00    -3.85    -9.900    -9.900     3.937    -9.900"
                                     " #|L#           " + padded("5001 EQUIVALE A A1. fecha"));
    EXPECT_EQ(lines[kFirstShot + 3], "A3    A2    32.808     0.00     0.00    -9.900     8.202     0.000    -9.900"
                                     "                " + padded(""));
    EXPECT_EQ(lines[kFirstShot + 4], "\f");
}

TEST(CompassSplays, ShotLinesAndSplaysToNumberedStations) {
    ExchangeSurvey survey;
    const int a2 = survey.station("A2", 500000.0, 7700010.0, 800.0);
    const int a3 = survey.station("A3", 500010.0, 7700010.0, 800.0);
    ShotTable& sh = survey.shots();
    const int i = survey.line(1, a2, 30.0, " galeria");
    sh.leb[i] = 1.0;
    sh.hcb[i] = 250.0;  // 3.2808 feet per metre for the instrument height: 820.20, not 820.21
    sh.htv[i] = 2.0;
    sh.lev[i] = -1.0;
    const int j = survey.line(a2, a3, 270.0);
    sh.ldb[j] = 1.0;
    sh.htb[j] = -1.0;
    sh.htv[j] = -1.0;
    const int k = survey.line(a3, a2, 90.0);
    sh.leb[k] = 0.5;
    sh.ldv[k] = 0.5;
    sh.htv[k] = 0.0;

    const auto lines = linesOf(survey.write(CMPSPL));
    const std::string splayTail = "    -9.90    -9.90    -9.90    -9.90  #|L#   ";
    const std::vector<std::string> expected = {
        "A1    A2    32.808    30.0     0.000     3.28     0.00   820.20    -9.90                " +
            padded(" galeria"),
        "A1 A1-1     3.281    300.0     0.00" + splayTail + "Leitura Esquerda da Base",
        "A2 A2-2     6.562      0.0    90.00" + splayTail + "Altura do Teto da Visada",
        "A2    A3    32.808   270.0     0.000    -9.90    -9.90     0.00     3.28 #|L#           " + padded(""),
        "A2 A2-3     3.281      0.0     0.00" + splayTail + "Leitura Direita da Base",
        "A3    A2    32.808    90.0     0.000     1.64     0.00     0.00    -9.90                " + padded(""),
        "A3 A3-4     1.640      0.0     0.00" + splayTail + "Leitura Esquerda da Base",
        "A2 A2-5     1.640      0.0     0.00" + splayTail + "Leitura Direita da Visada",
        "\f",
        "\x1A",
    };
    ASSERT_EQ(lines.size(), kFirstShot + expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(lines[kFirstShot + n], expected[n]);
}

TEST(CompassSplays, LongNamesKeepTheCounterOfTheirSplays) {
    ExchangeSurvey survey;
    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123 5";  // 32 bytes with a blank
    const std::string accented = std::string(29, 'S') + "ão";          // "ã" across the cut
    survey.stations().name[1].assign(longName);
    const int s = survey.station(accented, 500000.0, 7700010.0, 800.0);
    const int i = survey.line(1, s);
    survey.shots().leb[i] = 1.0;
    survey.shots().ldv[i] = 1.0;

    const auto lines = linesOf(survey.write(CMPSPL));
    ASSERT_GE(lines.size(), kFirstShot + 3u);
    EXPECT_EQ(lines[kFirstShot + 1].substr(0, 65), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123_5 ABCDEFGHIJKLMNOPQRSTUVWXYZ0123-1");
    EXPECT_EQ(lines[kFirstShot + 2].substr(0, 64), accented + " " + std::string(29, 'S') + "-2");
}

}  // namespace
}  // namespace mirval
