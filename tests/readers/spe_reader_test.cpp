// The SPE reader: fixed columns, letters, conversions and copies.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "readers/readers.hpp"
#include "support/reader_run.hpp"
#include "support/run_program.hpp"

namespace mirval {
namespace {

using testing::ReaderRun;
using testing::readFile;

const std::string kHeader = "Gruta Velha\nLugar\nEquipe\n500 -21.5\nS0 1000.00 2000.00 100.00 2.00 -23\n";

class SpeReader : public testing::SurveyFolder {
protected:
    ReaderRun run(const std::string& records, const std::string& header = kHeader) {
        return readText("velha.spe", header + records, "spe");
    }
};

TEST_F(SpeReader, QuadrantBearings) {
    ASSERT_EQ(run("S0   S1   10.00I N 30.0E  0.00G\n"
                  "S0   S2   10.00I N 30.0W  0.00G\n"
                  "S0   S3   10.00I S 30.0E  0.00G\n"
                  "S0   S4   10.00I S 30.0W  0.00G\n"
                  "S0   S5   10.00i s 30.0w  0.00g\n"
                  "S0   S6   10.00I   30.0   0.00G\n"
                  "S0   S7   10.00I n 30.0   0.00G\n")
                  .status,
              0);
    const Table<double>& az = store().shots.az;
    EXPECT_DOUBLE_EQ(az[1], 30.0);
    EXPECT_DOUBLE_EQ(az[2], 330.0);
    EXPECT_DOUBLE_EQ(az[3], 150.0);
    EXPECT_DOUBLE_EQ(az[4], 210.0);
    EXPECT_DOUBLE_EQ(az[5], 210.0);
    EXPECT_DOUBLE_EQ(az[6], 30.0);
    EXPECT_DOUBLE_EQ(az[7], 30.0);
}

TEST_F(SpeReader, DistanceAndVerticalKinds) {
    const ReaderRun r = run("S0   S1   10.00I N 30.0E 30.00G  0.00M  1.50\n"
                            "S1   S2     800h N 30.0E   600m  0.00M   000\n"
                            "S2   S3   10.00i N 30.0E  7.50M  0.00M  1.50\n"
                            "S3   S4    5.00H N 30.0E-10.00G  0.00M  1.00\n"
                            "\t \n"
                            "S4   S5   10.00I N 30.0E  0.00G 45.00G  0.00 teto em graus\n");
    ASSERT_EQ(r.status, 0) << r.console;
    const ShotTable& sh = store().shots;
    EXPECT_EQ(store().lineCount, 5);  // the blank line is no row
    EXPECT_NEAR(sh.dhor[1], 8.660, 5e-4);
    EXPECT_NEAR(sh.des[1], 6.500, 5e-4);
    EXPECT_DOUBLE_EQ(sh.di[2], 10.0);
    EXPECT_DOUBLE_EQ(sh.dhor[2], 8.0);
    EXPECT_DOUBLE_EQ(sh.des[2], 6.0);
    EXPECT_DOUBLE_EQ(sh.dhor[3], 8.0);
    EXPECT_DOUBLE_EQ(sh.des[3], 7.5);
    EXPECT_NEAR(sh.di[4], 5.0 / std::cos(-10.0 * kPi / 180), 1e-12);
    EXPECT_NEAR(sh.htv[5], 10.0, 1e-5);  // tan(45) x 10 - 0
    EXPECT_EQ(sh.comment[5].trimmed(), " teto em graus");
    EXPECT_EQ(sh.distanceKind[2], 'h');
    EXPECT_EQ(store().header.scale, 500);
    EXPECT_EQ(store().stations.ht[1], 2.0);
    EXPECT_EQ(r.console.substr(r.console.find("ESCALA")), "ESCALA=1:500. DECLINACAO=****\n"
                                                           "COOR INICIO=   1000.000    2000.000  100.000\n"
                                                           "BASE INICIAL= S0 HTINI=  2.00 ZONA UTM= -23\n\n");
    EXPECT_TRUE(r.listing.starts_with("Gruta Velha "));
    EXPECT_NE(r.listing.find("\nEquipe " + std::string(249, ' ') + "\n\n"), std::string::npos);
}

TEST_F(SpeReader, ShortRecordsAndBlanksInsideNumbers) {
    ASSERT_EQ(run("S0   S1   1 0.0H N 3 00E 12 50M\n").status, 0);
    const ShotTable& sh = store().shots;
    EXPECT_DOUBLE_EQ(sh.dhor[1], 10.0);
    EXPECT_DOUBLE_EQ(sh.az[1], 30.0);
    EXPECT_DOUBLE_EQ(sh.des[1], 12.5);
    EXPECT_EQ(sh.htv[1], 0.0);
    EXPECT_EQ(sh.hcb[1], 0.0);
    EXPECT_EQ(sh.ceilingKind[1], ' ');
    EXPECT_TRUE(sh.comment[1].isBlank());
}

TEST_F(SpeReader, SightedCeilingNoticeGoesToBothStreams) {
    const ReaderRun r = run("S0   S1   10.00I N 30.0E  0.00G  2.00M  0.00\n"
                            "S2   S1   10.00I N 30.0E  0.00G  2.10M  0.00\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_DOUBLE_EQ(store().stations.ht[2], 2.05);
    const std::string notice =
        "ESTACAO S1 TEM MAIS DE UMA ALTURA DE TETO: 2.10M E  2.00M NA VISADA S2 - S1.\n"
        "TOLERANCIA ENCONTRADA:   4.76 %. ESTABELECIDA: 10.00 %. ARMAZENADA A MEDIA\n\n";
    EXPECT_NE(r.console.find(notice), std::string::npos);
    EXPECT_NE(r.listing.find(notice), std::string::npos);
}

TEST_F(SpeReader, BadLettersAndImpossibleShotsStop) {
    const std::string good = "S0   S1   10.00I N 30.0E  0.00G  0.00M  0.00\n";
    ReaderRun r = run(good + "S1   S2   10.00X N 30.0E  0.00G  0.00M  0.00\n" + good);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with("DISTANCIA MAL EXPLICITADA EM S1-S2. CORRIJA. LINHA    2\n")) << r.console;
    EXPECT_FALSE(std::filesystem::exists(path("velha_spe.vrk")));

    r = run("S1   S2   10.00I N 30.0E  0.00X  0.00M  0.00\n");
    EXPECT_TRUE(r.console.ends_with("DESNIVEL MAL EXPLICITADA EM S1 - S2. CORRIJA.\n"));
    r = run("S1   S2   10.00I N 30.0X  0.00G  0.00M  0.00\n");
    EXPECT_TRUE(r.console.ends_with("RUMO OU AZIMUTE MAL EXPLICITADA EM S1 - S2. CORRIJA .\n"));
    r = run("S1   S2   10.00I Q 30.0E  0.00G  0.00M  0.00\n");
    EXPECT_TRUE(r.console.ends_with("RUMO OU AZIMUTE MAL EXPLICITADA EM S1 - S2. CORRIJA .\n"));

    r = run("S1   S2   10.00I N 30.0E 12.00M  0.00M  1.00\n");  // rises 11 m over 10 m
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.console.ends_with("DESNIVEL MAIOR QUE A DISTANCIA EM S1 - S2. CORRIJA.\n"));

    const std::string message = "ERRO DE LEITURA NO ARQUIVO " + path("velha.spe").string() + ", LINHA ";
    r = run(good + "\nS1   S2   1O.00I N 30.0E  0.00G  0.00M  0.00\n");  // letter O in the distance
    EXPECT_TRUE(r.console.ends_with(message + "8\n")) << r.console;
    r = run(good, "G\nL\nE\n0 1.0\nS0 0 0 0 1 23\n");  // the scale must be above 0
    EXPECT_TRUE(r.console.ends_with(message + "4\n")) << r.console;
    r = run(good, "G\nL\nE\n500.0 1.0\nS0 0 0 0 1 23\n");
    EXPECT_TRUE(r.console.ends_with(message + "4\n")) << r.console;
}

TEST_F(SpeReader, CopiesCarryNoWallsAndThePlaceholderDate) {
    ASSERT_EQ(run("S0   S1   10.00I N 30.0W 30.00G  2.00M  1.50 nota\n").status, 0);
    EXPECT_FALSE(std::filesystem::exists(path("velha_spe.eef")));
    const std::string vrk = readFile(path("velha_spe.vrk"));
    EXPECT_TRUE(vrk.starts_with("vrk\n"));
    EXPECT_NE(vrk.find("\n27 06 2020\n"), std::string::npos);
    EXPECT_NE(vrk.find("\n S0 S1    10.00  330.0  30.0  1.50  -1.00  -1.00  -1.00   2.00  -1.00  -1.00  0.00 #  nota"),
              std::string::npos);
    const std::string orv = readFile(path("velha_spe.orv"));
    EXPECT_NE(orv.find("\n S0 S1   330.0  30.0   10.00  -1.00  -1.00  -1.00  -1.00  -1.00  1.50   2.00  0.00 #  nota"),
              std::string::npos);
}

// The whole program on an SPE survey of scale 1:500: the listings give centimetres.
TEST(SpeSurvey, ScaledListingsInCentimetres) {
    const auto folder = std::filesystem::temp_directory_path() / ("mirval_spe_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    testing::writeFile(folder / "escala.spe", "G\nL\nE\n500 0.0\nS0 1000.00 2000.00 100.00 2.00 -23\n"
                                              "S0   S1   10.00H N  0.0E  0.00G  1.00M  0.00\n");
    ASSERT_EQ(test::runProgram(folder, "escala.spe", "console.txt"), 0);
    const std::string listing = readFile(folder / "escala.res");
    EXPECT_NE(listing.find("ESCALA=1:500. COORD. EM CM"), std::string::npos);
    EXPECT_NE(listing.find("X(S1)=    200.00  Y(S1)=     402.00  Z(S1)=  20.00"), std::string::npos) << listing;
    EXPECT_TRUE(std::filesystem::exists(folder / "escala_spe.orv"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace mirval
