// The listings: scaled values, SPE layout, unresolved lines.
#include <gtest/gtest.h>

#include <string>

#include "support/survey_builder.hpp"

namespace mirval::testing {

namespace {

class Listings : public Survey {
protected:
    std::string plot() { return written(writePlotListing); }
    std::string coordinates() { return written(writeCoordinateListing); }
    std::string written(void (*writer)(const Store&, OutputFile&)) {
        OutputFile out;
        out.openInMemory();
        writer(s, out);
        return out.text();
    }
    // A survey at scale 500 from X0 = 654321.12, one line with a ceiling at its end.
    void scaledSpeSurvey() {
        s.facts = {SurveyFormat::LegacySpe, false};
        s.header.scale = 500;
        s.header.x0 = 654321.12;
        s.header.y0 = 7712345.67;
        s.header.z0 = 800;
        s.header.htini = 2.0;
        s.stations.ht[1] = 2.0;
        const int i = add({"P1", "P2", 0, 8.66, 5});
        s.shots.di[i] = 10;
        s.shots.htv[i] = 2;
        s.shots.ceilingKind[i] = 'M';
        s.stations.ht[station("P2")] = 1.5;
        reduceAndList();
    }
};

TEST_F(Listings, ScaledCoordinatesInTheResultAndCoordinateListingsOnly) {
    scaledSpeSurvey();
    EXPECT_TRUE(hasLine(listing.text(),
                        "   1    P1  P2    10.00     8.66    0.0     5.00     2.00  X(P2)= 130864.22  "
                        "Y(P2)= 1542470.87  Z(P2)= 161.00  HT(P2)=   0.30  ZTETO(P2)= 161.30"));
    EXPECT_TRUE(hasLine(listing.text(), "COOR. INICIO= 654321.12 7712345.67   800.00"));
    EXPECT_TRUE(hasLine(listing.text(),
                        "LINHA    BASE   VIS   D.INC.   D.HOR.    AZ       DES     TETO.  DEC=  0.0 G.  "
                        "ESCALA=1:500. COORD. EM CM SE ESC DIF. 1"));
    EXPECT_TRUE(hasLine(coordinates(), "   1 P1   130864.22  1542469.13  160.00   160.40"));
    EXPECT_TRUE(hasLine(plot(), "P1   654321.120 7712345.670     800.000     802.000   "
                                "P2   654321.120 7712354.330     805.000     806.500"));
}

TEST_F(Listings, SpeCeilingChecksFollowTheirRecord) {
    s.facts = {SurveyFormat::LegacySpe, false};
    add({{"P1", "P2", 0, 10, 0}, {"P2", "P3", 0, 10, 0}, {"P3", "P4", 0, 10, 0}});
    s.shots.ceilingKind[1] = ' ';
    s.shots.ceilingKind[2] = 'g';
    s.shots.htv[2] = -1;
    s.shots.ceilingKind[3] = 'M';
    s.shots.htv[3] = -1;
    reduceAndList();
    const auto all = lines(listing.text());
    const auto at = [&](std::string_view start) {
        for (std::size_t n = 0; n < all.size(); ++n) {
            if (all[n].starts_with(start)) return n;
        }
        return all.size();
    };
    const std::size_t row1 = at("   1    P1  P2 ");
    ASSERT_LT(row1 + 3, all.size());
    // No ceiling at P2: the record ends with the coordinates.
    EXPECT_TRUE(all[row1].ends_with("Z(P2)=   0.00"));
    EXPECT_EQ(all[row1 + 1], "ALTURA DO TETO MAL EXPLIC. EM P1-P2. CORRIJA.");
    EXPECT_TRUE(all[row1 + 2].starts_with("   2    P2  P3 "));
    EXPECT_EQ(all[row1 + 3], "ALTURA DO TETO NEGATIVA EM P2-P3. VERIFIQUE.");
    EXPECT_TRUE(all[row1 + 4].starts_with("   3    P3  P4 "));
    EXPECT_EQ(all[row1 + 5], "");
}

TEST_F(Listings, ComputedRecordUsesTheReducedValues) {
    add({{"P1", "A", 0, 1, 0}});
    for (int i = 2; i <= 6; ++i) add({"A", std::string("Q").append(std::to_string(i)), 0, 1, 0});
    add({"A", "B", 45, 12, 5});
    s.stations.ht[station("A")] = 2;
    s.stations.ht[station("B")] = 1.5;
    s.shots.comment[7].assign("comentario");
    reduceAndList();
    EXPECT_TRUE(hasLine(listing.text(), "    7 A  B  13.00  12.00  45.0  22.62  2.00  1.50 comentario"));
    EXPECT_TRUE(hasLine(listing.text(),
                        "LINHA BASE VIS   DIC  D.HOR.  AZ.    INC  HTB  HTV       COMENTARIOS E OBSERVACOES:"));
}

TEST_F(Listings, ClosingRowIsListedTwice) {
    add({{"P1", "P2", 0, 10, 0}, {"P2", "P3", 90, 10, 0}, {"P3", "P1", 225, 14, 0}});
    reduceAndList();
    const std::string text = listing.text();
    EXPECT_TRUE(text.starts_with("AMBAS ESTACOES DE COORDENADAS CONHECIDAS NA LINHA 3 ; P3 e P1\n\nGruta"));
    EXPECT_TRUE(hasLine(text, "    3 P3  P1   0.00  14.00 225.0   0.00 -1.00 -1.00 5001 EQUIVALE A P1."));
    EXPECT_TRUE(hasLine(text, "    4 P3  5001  14.00  14.00 225.0   0.00 -1.00 -1.00 "));
    const auto plotLines = lines(plot());
    std::size_t duplicates = 0;
    for (const std::string& l : plotLines) duplicates += l.starts_with("P3 ") && l.find("   5001 ") != std::string::npos;
    EXPECT_EQ(duplicates, 2u);
    EXPECT_TRUE(hasLine(coordinates(), "5001 5001        0.10        0.10    0.00 -9999.99"));
}

TEST_F(Listings, DisconnectedRowsAreReportedOnBothStreams) {
    add({{"P1", "P2", 0, 10, 0}, {"X1", "X2", 0, 10, 0}, {"X2", "X3", 0, 10, 0}});
    reduceAndList();
    const std::string section =
        "\n\n\n"
        "   ESTACOES NAO CALCULADAS POR FALTA DE AMARRACAO ENTRE AS BASES:\n"
        "          LINHA     BASE      VISADA\n"
        "              2       X1        X2\n"
        "              3       X2        X3\n";
    EXPECT_NE(listing.text().find(section + "\n\nANÁLISE DOS RESULTADOS"), std::string::npos);
    EXPECT_TRUE(console.text().starts_with(section + "\nX(MAX)="));
    EXPECT_EQ(s.unresolvedCount, 2);
    EXPECT_EQ(s.unresolved[2], 3);
    EXPECT_EQ(plot().find("X1 "), std::string::npos);
    EXPECT_EQ(coordinates().find(" X1 "), std::string::npos);
}

TEST_F(Listings, StationsWithoutCeilingShowTheMarker) {
    s.header.htini = 2;
    s.stations.ht[1] = 2;
    add({{"P1", "P2", 90, 10, 0}});
    reduceAndList();
    const std::string text = coordinates();
    EXPECT_TRUE(hasLine(text, "   1 P1        0.00        0.00    0.00     2.00"));
    EXPECT_TRUE(hasLine(text, "   2 P2       10.00        0.00    0.00 -9999.99"));
    EXPECT_TRUE(text.ends_with(" MIRVAL versão 1.0\n\n"));
}

}  // namespace

}  // namespace mirval::testing
