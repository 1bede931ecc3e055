// The normalized copies read back to the same survey.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "readers/readers.hpp"
#include "support/reader_run.hpp"

namespace mirval {
namespace {

using testing::readFile;

const std::string kSurvey =
    "orv\nlegenda\nGruta da Volta\nlegenda\nMunicípio\nlegenda\n01 02 2003\nlegenda\nEquipe A\nlegenda\n"
    "-21.5\nlegenda\nlegenda\n"
    "Base_inicial_com_nome_longo_de_32b 612345.67 7712345.67 845.5 2.5 -23\nlegenda\nlegenda\n"
    "Base_inicial_com_nome_longo_de_32b E1 150.0 -12.0 8.40 -1 -1 1.20 0.90 -1 0.10 2.10 0.00 # entrada\n"
    "E1 E2 131.2 -11.2\n 8.86 0.50 1.00 -1 0.44 4.23 0.88 2.77 0.35 # continua, \"aspas\"\n"
    "E2 E3 0.0 90.0 3.00 -1 -1 -1 -1 -1 0 0 0\n"
    "E3 E4 359.9 -45.0 10000.00 99999.99 -1 -1 -1 -1 0 -1 0\n";

struct Snapshot {
    std::vector<std::string> names;
    std::vector<std::vector<double>> rows;
    LongText comment1, comment2;
};

Snapshot snapshot(const Store& s) {
    Snapshot shot;
    for (int j = 1; j <= s.stationCount; ++j) shot.names.emplace_back(s.stations.name[j].full());
    const ShotTable& t = s.shots;
    for (int i = 1; i <= s.lineCount; ++i) {
        shot.rows.push_back({double(t.base[i]), double(t.sighted[i]), t.di[i], t.az[i], t.des[i], t.dhor[i], t.hcb[i],
                             t.htb[i], t.ldb[i], t.leb[i], t.htv[i], t.ldv[i], t.lev[i], t.hcv[i]});
    }
    shot.comment1 = t.comment[1];
    shot.comment2 = t.comment[2];
    return shot;
}

class NormalizedCopy : public testing::SurveyFolder {};

TEST_F(NormalizedCopy, EveryCopyReadsBackToTheSameSurvey) {
    ASSERT_EQ(readText("volta.orv", kSurvey, "orv").status, 0);
    const Snapshot original = snapshot(store());
    const SurveyHeader before = store().header;
    for (const std::string tag : {"vrk", "eef", "orv"}) {
        SCOPED_TRACE(tag);
        const std::string copy = "volta_orv." + tag;
        ASSERT_TRUE(std::filesystem::exists(path(copy)));
        ASSERT_EQ(read(copy, tag).status, 0);
        const Snapshot back = snapshot(store());
        EXPECT_EQ(back.names, original.names);
        // The copy writes " # " before the comment, which keeps the blank that followed the "#".
        EXPECT_EQ(back.comment1, LongText(" " + original.comment1.str()));
        EXPECT_EQ(back.comment2, LongText(" " + original.comment2.str()));
        ASSERT_EQ(back.rows.size(), original.rows.size());
        for (std::size_t i = 0; i < back.rows.size(); ++i) {
            for (std::size_t k = 0; k < back.rows[i].size(); ++k) {
                // DES and DHOR come back through an AC written with one decimal.
                const double tolerance = (k == 4 || k == 5) ? 0.002 * back.rows[i][2] : 1e-9;
                EXPECT_NEAR(back.rows[i][k], original.rows[i][k], tolerance) << "row " << i + 1 << " value " << k;
            }
        }
        const SurveyHeader& h = store().header;
        EXPECT_EQ(h.caveName, before.caveName);
        EXPECT_EQ(h.day.full(), "01");
        EXPECT_EQ(h.declination, before.declination);
        EXPECT_EQ(h.x0, before.x0);
        EXPECT_EQ(h.htini, before.htini);
        EXPECT_EQ(h.utmZone, before.utmZone);
    }
}

TEST_F(NormalizedCopy, FullFieldsAreSetApartAndLinesKeepTheirWidths) {
    ASSERT_EQ(readText("volta.orv", kSurvey, "orv").status, 0);
    const std::string orv = readFile(path("volta_orv.orv"));
    // DI 10000.00 fills its F8.2 field, 99999.99 overflows F7.2.
    EXPECT_NE(orv.find("\n E3 E4   359.9 -45.0 10000.00 99999.99  -1.00  -1.00  -1.00  -1.00  0.00  -1.00  0.00 # "),
              std::string::npos);
    EXPECT_NE(orv.find("\n -21.50\n"), std::string::npos);
    EXPECT_NE(orv.find("\nBase_inicial_com_nome_longo_de_3   612345.67  7712345.67    845.50     2.50  -23\n"),
              std::string::npos);
    const std::string vrk = readFile(path("volta_orv.vrk"));
    EXPECT_NE(vrk.find("\n E2 E3     3.00    0.0  90.0  0.00  -1.00  -1.00  -1.00   0.00  -1.00  -1.00  0.00 # " +
                       std::string(256, ' ') + "\n"),
              std::string::npos);
    EXPECT_NE(vrk.find(" #  continua, \"aspas\"   "), std::string::npos);
}

TEST_F(NormalizedCopy, HeaderValuesTooWideForTheirFields) {
    const std::string survey =
        "ORV\nl\nG\nl\nM\nl\n1 2 3\nl\nE\nl\n1234.5\nl\nl\nP0 1e12 -1e11 12345678 123456 12345\nl\nl\n"
        "P0 P1 0 0 1 -1 -1 -1 -1 -1 0 -1 0\n";
    ASSERT_EQ(readText("larga.orv", survey, "orv").status, 0);
    const std::string eef = readFile(path("larga_orv.eef"));
    EXPECT_NE(eef.find("\n 1234.50\n"), std::string::npos);
    EXPECT_NE(eef.find(" 1000000000000.00 -100000000000.00 12345678.00 123456.00  12345\n"), std::string::npos);
    ASSERT_EQ(read("larga_orv.eef", "eef").status, 0);
    EXPECT_EQ(store().header.x0, 1e12);
    EXPECT_EQ(store().header.z0, 12345678);
    EXPECT_EQ(store().header.htini, 123456);
    EXPECT_EQ(store().header.utmZone, 12345);
    EXPECT_EQ(store().header.declination, 1234.5);
}

}  // namespace
}  // namespace mirval
