// The spreadsheet reader: the three column orders, ceilings, limits.
#include <gtest/gtest.h>

#include <cmath>

#include "readers/readers.hpp"
#include "support/reader_run.hpp"

namespace mirval {
namespace {

using testing::ReaderRun;

// Header block of an ORV survey; `declination` is line 11 as written.
std::string header(const std::string& declination = "-21.50", const std::string& start = "A0 1000 2000 300 2.00 -23") {
    return "ORV\nlegenda\nGruta do Teste\nlegenda\nLagoa Santa, MG\nlegenda\n14 03 2021\nlegenda\nEquipe\nlegenda\n" +
           declination + "\nlegenda\nlegenda\n" + start + "\nlegenda 15\nlegenda 16\n";
}

class SpreadsheetReader : public testing::SurveyFolder {
protected:
    ReaderRun run(const std::string& text, const std::string& type = "orv") {
        return readText("gruta." + type, text, type);
    }
};

TEST_F(SpreadsheetReader, ReadsHeaderLinesAndComments) {
    const std::string comment(140, 'c');
    const ReaderRun r = run(header() +
                            "A0 A1 150.0 -12.0\n"
                            "\n"
                            "   8.40 -1 -1 1.20 0.90 -1 0.00 2.10 0.00 # segunda linha\n"
                            "A1 A2 90 0 5 -1 -1 -1 -1 -1 0 -1 0\n"
                            "A2 A0 270 0 5 -1 -1 -1 -1 -1 0 -1 0 #" + comment + "\n"
                            "A2 A3 270 0 5 -1 -1\n");
    ASSERT_EQ(r.status, 0) << r.console;
    const Store& s = store();
    EXPECT_EQ(s.header.caveName.trimmed(), "Gruta do Teste");
    EXPECT_EQ(s.header.day.full(), "14");
    EXPECT_EQ(s.header.year.full(), "2021");
    EXPECT_EQ(s.header.declination, -21.5);
    EXPECT_EQ(s.header.utmZone, -23);
    EXPECT_EQ(s.stations.name[1].trimmed(), "A0");
    EXPECT_EQ(s.lineCount, 3);  // the last line, cut short by the end, is dropped
    EXPECT_EQ(s.stationCount, 3);
    EXPECT_EQ(s.shots.base[3], 3);
    EXPECT_EQ(s.shots.sighted[3], 1);
    EXPECT_EQ(s.shots.di[1], 8.40);
    EXPECT_EQ(s.shots.ldv[1], 0.90);
    EXPECT_EQ(s.shots.lev[1], 1.20);
    EXPECT_EQ(s.shots.comment[1].trimmed(), " segunda linha");
    EXPECT_TRUE(s.shots.comment[2].isBlank());
    EXPECT_EQ(s.shots.comment[3].trimmed(), std::string(128, 'c'));
    EXPECT_NEAR(s.shots.dhor[1], 8.40 * std::cos(-12.0 * kPi / 180), 1e-12);
    EXPECT_NEAR(s.shots.des[1], 8.40 * std::sin(-12.0 * kPi / 180), 1e-12);

    EXPECT_EQ(r.console.substr(0, 16), "Gruta do Teste  ");
    EXPECT_NE(r.console.find("\n14 03 2021\nEquipe "), std::string::npos);
    EXPECT_NE(r.console.find("ESCALA=1:1. DECLINACAO=****\n"
                             "COOR INICIO=   1000.000    2000.000  300.000\n"
                             "BASE INICIAL= A0 HTINI=  2.00 ZONA UTM= -23\n\n"),
              std::string::npos);
    EXPECT_NE(r.listing.find("\n14 03 2021\n"), std::string::npos);
    EXPECT_EQ(r.listing.find("ESCALA"), std::string::npos);
}

TEST_F(SpreadsheetReader, FixedDeclinationAndDecimalComma) {
    // No decimal point: hundredths; blanks inside are ignored; columns past 10 are not read.
    ASSERT_EQ(run(header("  -21 35   99") + "A0 A1 0 0 5 -1 -1 -1 -1 -1 0 -1 0\n").status, 0);
    EXPECT_EQ(store().header.declination, -21.35);
    EXPECT_EQ(store().shots.di[1], 5.0);

    // 12,50 is two values: every later value of the line moves along by one.
    ASSERT_EQ(run(header("1.5") + "A0 A1 0 0 12,50 -1 -1 -1 -1 -1 0 -1 0\n").status, 0);
    EXPECT_EQ(store().header.declination, 1.5);
    EXPECT_EQ(store().shots.di[1], 12.0);
    EXPECT_EQ(store().shots.leb[1], 50.0);
    EXPECT_EQ(store().shots.hcv[1], -1.0);
}

TEST_F(SpreadsheetReader, ColumnOrdersOfTheThreeVariants) {
    const std::string values = "A0 A1 1 2 3 4 5 6 7 8 9 10 11\n";
    ASSERT_EQ(run(header() + values, "vrk").status, 0);
    const ShotTable& sh = store().shots;
    EXPECT_EQ(sh.di[1], 1);
    EXPECT_EQ(sh.az[1], 2);
    EXPECT_EQ(sh.hcb[1], 4);
    EXPECT_EQ(sh.htb[1], 5);
    EXPECT_EQ(sh.ldb[1], 6);
    EXPECT_EQ(sh.leb[1], 7);
    EXPECT_EQ(sh.htv[1], 8);
    EXPECT_EQ(sh.ldv[1], 9);
    EXPECT_EQ(sh.lev[1], 10);
    EXPECT_EQ(sh.hcv[1], 11);
    ASSERT_EQ(run(header() + values, "eef").status, 0);
    EXPECT_EQ(sh.az[1], 1);
    EXPECT_EQ(sh.di[1], 3);
    EXPECT_EQ(sh.ldb[1], 4);
    EXPECT_EQ(sh.leb[1], 5);
    EXPECT_EQ(sh.ldv[1], 6);
    EXPECT_EQ(sh.lev[1], 7);
    EXPECT_EQ(sh.hcb[1], 8);
    EXPECT_EQ(sh.htb[1], 9);
    EXPECT_EQ(sh.htv[1], 10);
}

TEST_F(SpreadsheetReader, CeilingReadingsAreMerged) {
    const ReaderRun r = run(header("0", "C0 0 0 0 -1 23") +
                            "C0 C1 0 0 5 -1 -1 -1 -1 -1 0 2.00 0\n"    // C1 2.00
                            "C1 C2 0 0 5 -1 -1 -1 -1 2.10 0 2.00 0\n"  // C1 notice -> 2.05; C2 2.00
                            "C2 C3 0 0 5 -1 -1 -1 -1 2.50 0 -1 0\n"    // C2 warning -> 2.25
                            "C3 C4 0 0 5 -1 -1 -1 -1 0 0 0 0\n"        // C3 and C4 zero readings
                            "C4 C5 0 0 5 -1 -1 -1 -1 -1 0 -1 0\n"      // nothing
                            "C5 C1 0 0 5 -1 -1 -1 -1 -1 0 2.05 0\n");  // equal to the stored value
    ASSERT_EQ(r.status, 0);
    const Table<double>& ht = store().stations.ht;
    EXPECT_EQ(ht[1], -1.0);
    EXPECT_DOUBLE_EQ(ht[2], 2.05);
    EXPECT_DOUBLE_EQ(ht[3], 2.25);
    EXPECT_EQ(ht[4], 0.0);
    EXPECT_EQ(ht[5], 0.0);
    EXPECT_EQ(ht[6], -1.0);

    const std::string notice =
        "ESTACAO C1 TEM MAIS DE UMA ALTURA DE TETO: 2.10M E  2.00M NA VISADA C1 - C2.\n"
        "TOLERANCIA ENCONTRADA:   4.76 %. ESTABELECIDA: 10.00 %. ARMAZENADA A MEDIA\n\n";
    const std::string warning =
        "ESTACAO C2 TEM MAIS DE UMA ALTURA DE TETO: 2.50M E  2.00M NA VISADA C2 - C3, COM DIFERENÇA GRANDE.\n"
        "TOLERANCIA ENCONTRADA:  20.00%. ESTABELECIDA: 10.00%. VERIFICAR. ARMAZENADA A MEDIA\n\n";
    EXPECT_NE(r.listing.find(notice + warning), std::string::npos);
    EXPECT_EQ(r.console.find(notice), std::string::npos);
    EXPECT_NE(r.console.find(warning), std::string::npos);
    EXPECT_EQ(r.listing.find("VISADA C5"), std::string::npos);
}

TEST_F(SpreadsheetReader, ZeroReadingsAtBaseAndSightedDiffer) {
    // A tiny base reading is kept as read, a tiny sighted reading becomes 0.
    ASSERT_EQ(run(header("0", "C0 0 0 0 -1 23") + "C1 C2 0 0 5 -1 -1 -1 -1 0.0005 0 0.0005 0\n").status, 0);
    EXPECT_EQ(store().stations.ht[2], 0.0005);
    EXPECT_EQ(store().stations.ht[3], 0.0);
}

TEST_F(SpreadsheetReader, BadInputStopsWithTheLine) {
    const std::string message = "ERRO DE LEITURA NO ARQUIVO " + path("gruta.orv").string() + ", LINHA ";
    ReaderRun r = run(header() + "A0 A1 0 0 5 -1 -1 -1 -1 -1 0 -1 0\nA1 A2 0 x 5 -1 -1 -1 -1 -1 0 -1 0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with(message + "18\n")) << r.console;

    r = run(header() + "A0 A1 0 0 5 -1 -1 -1 -1 -1 0 #comentario\n-1 0\n");  // comment before the last number
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with(message + "17\n")) << r.console;

    r = run(header() + "A0 A1 0 0 5 -1 -1 -1 -1 -1 0 -1 0.00#colado\n");
    EXPECT_TRUE(r.console.ends_with(message + "17\n")) << r.console;

    r = run(header("x"));  // unreadable declination
    EXPECT_TRUE(r.console.ends_with(message + "11\n")) << r.console;

    r = run(header("0", "A0 1 2 3 4 23.0"));  // the zone is an integer
    EXPECT_TRUE(r.console.ends_with(message + "14\n")) << r.console;

    r = run("ORV\nlegenda\nGruta\nlegenda\nLugar\nlegenda\n14 03\n");  // the date runs into the end
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with(message + "8\n")) << r.console;

    r = run(header().substr(0, header().rfind("legenda 16")));  // line 16 missing
    EXPECT_TRUE(r.console.ends_with(message + "16\n")) << r.console;
    EXPECT_EQ(r.listing, "");
}

TEST_F(SpreadsheetReader, CapacityLimits) {
    std::string lines;
    for (int i = 1; i <= 10001; ++i) lines += "A0 A1 0 0 1 -1 -1 -1 -1 -1 0 -1 0\n";
    ReaderRun r = run(header() + lines);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with("NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.\n"));
    EXPECT_FALSE(std::filesystem::exists(path("gruta_orv.vrk")));

    lines.clear();  // A0 and 9999 more stations, then one too many
    for (int i = 1; i <= 4999; ++i) {
        lines.append("S").append(std::to_string(i)).append(" T").append(std::to_string(i));
        lines.append(" 0 0 1 -1 -1 -1 -1 -1 0 -1 0\n");
    }
    lines += "X A0 0 0 1 -1 -1 -1 -1 -1 0 -1 0\n";
    r = run(header() + lines);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(store().stationCount, 10000);
    r = run(header() + lines + "Y A0 0 0 1 -1 -1 -1 -1 -1 0 -1 0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with("NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000.\n"));
}

}  // namespace
}  // namespace mirval
