// The metric analysis: which stations count, ties, the report and the console summary.
#include <gtest/gtest.h>

#include "support/survey_builder.hpp"
#include "writers/listings/metric_report.hpp"

namespace mirval::testing {

namespace {

class Metric : public Survey {
protected:
    void place(std::string_view name, double x, double y, double z, double ht) {
        const int i = station(name);
        s.stations.x[i] = x;
        s.stations.y[i] = y;
        s.stations.z[i] = z;
        s.stations.ht[i] = ht;
    }
    std::string report() {
        LineCollector out;
        WRTMAXMIN(out, s.header.scale, s.stations.name, stats);
        return out.text();
    }
    std::string summary() {
        LineCollector out;
        writeExtentSummary(out, s.stations.name, stats);
        return out.text();
    }

    SurveyStatistics stats;
};

TEST_F(Metric, InternalStationsUpToNPlusOneWithTiesToTheLowestIndex) {
    s.lineCount = 3;  // stations 1 to 4 are swept
    place("P1", 5, 4, 10, 1);  // a station never reached counts with what it holds
    place("P2", 7, 3, 12, 1);
    place("P3", 7, 3, 12, 1);
    place("P4", 100, -100, 100, 0);  // radiation point: not internal
    place("P5", 200, -200, 200, 1);  // beyond N + 1
    s.stations.ht[7000] = 4.0;       // the mean ceiling height sweeps the whole table
    s.stations.ht[9000] = 0.001;     // not above the single-precision 0.001
    stats = computeStatistics(s);
    EXPECT_EQ(stats.meanCeilingHeight, 8.0 / 5);
    EXPECT_EQ(stats.east.station, 2);
    EXPECT_EQ(stats.east.value, 7.0);
    EXPECT_EQ(stats.west.station, 1);
    EXPECT_EQ(stats.north.station, 1);
    EXPECT_EQ(stats.south.station, 2);
    EXPECT_EQ(stats.highest.station, 2);
    EXPECT_EQ(stats.lowest.station, 1);
    EXPECT_EQ(stats.midX, 6.0);
    EXPECT_EQ(stats.spanZ, 2.0);
}

TEST_F(Metric, OnlyTheInitialBaseHasACeiling) {
    s.header.z0 = 800;
    s.header.htini = 2.0;
    s.stations.ht[1] = 2.0;
    add({{"P1", "P2", 0, 10, 5}, {"P2", "P3", 0, 10, 5}});
    reduce();
    stats = computeStatistics(s);
    EXPECT_EQ(stats.highestCeiling.station, 1);
    EXPECT_EQ(stats.lowestCeiling.station, 1);
    EXPECT_EQ(stats.highestCeiling.value, 802.0);
    EXPECT_EQ(stats.spanCeiling, 0.0);
    EXPECT_EQ(stats.highest.station, 1);  // P2 and P3 have no ceiling height
    EXPECT_EQ(stats.meanCeilingHeight, 2.0);
    const std::string text = report();
    EXPECT_TRUE(hasLine(text, "Cota de teto mais alta: P1 :   802.00 m"));
    EXPECT_TRUE(hasLine(text, "Cota de teto mais baixa: P1 :   802.00 m"));
    EXPECT_TRUE(hasLine(text, "Diferença entre cota de teto mais alta e cota de teto mais baixa:    0.00 m"));
}

TEST_F(Metric, NoCeilingAtAllKeepsTheStartingExtremes) {
    add({{"P1", "P2", 0, 10, 5}});
    reduce();
    stats = computeStatistics(s);
    EXPECT_EQ(stats.east.value, -100000000.0);
    EXPECT_EQ(stats.west.value, 100000000.0);
    EXPECT_EQ(stats.highestCeiling.value, -100000.0);
    EXPECT_EQ(stats.lowestCeiling.value, 100000.0);
    EXPECT_EQ(stats.meanCeilingHeight, 0.0);
    const std::string text = report();
    EXPECT_TRUE(hasLine(text, "Estação com coordenada mais a LESTE: P1 :*********** m"));
    EXPECT_TRUE(hasLine(text, "Estação de cota mais ALTA: P1 - Altitude=******** m"));
    EXPECT_TRUE(hasLine(text, "Cota de teto mais alta: P1 : ******** m"));
    const std::string console = summary();
    EXPECT_TRUE(hasLine(console, "X(MAX)=     X(P1)=************"));
    EXPECT_TRUE(hasLine(console, "ZTETO(MAX)= Z(P1)=  -100000.00"));
    EXPECT_TRUE(hasLine(console, "ZTETO(MIN)= Z(P1)=   100000.00"));
    EXPECT_TRUE(hasLine(console, "ALTURA MEDIA DO TETO=     0.00 m"));
}

TEST_F(Metric, ScaleDividesTheReportButNotTheConsole) {
    s.header.scale = 200;
    s.lineCount = 1;
    place("P1", 0, 0, 0, 1);
    place("P2", 153.4, 0, 0, 1);
    stats = computeStatistics(s);
    EXPECT_TRUE(hasLine(report(), "Diferença entre coordenadas X (mais a leste e mais a oeste):    76.70 m"));
    EXPECT_TRUE(hasLine(summary(), "DELTA X =             153.40"));
}

TEST_F(Metric, CeilingAtElevationZeroIsNeverTheLowest) {
    add({{"P1", "P2", 0, 10, -1}, {"P1", "P3", 0, 10, 5}});
    s.stations.ht[station("P2")] = 1;
    s.stations.ht[station("P3")] = 1;
    reduce();
    stats = computeStatistics(s);
    EXPECT_EQ(s.stations.zteto[station("P2")], 0.0);
    EXPECT_EQ(stats.lowestCeiling.station, station("P3"));
    EXPECT_EQ(stats.lowestCeiling.value, 6.0);
}

}  // namespace

}  // namespace mirval::testing
