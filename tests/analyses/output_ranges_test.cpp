// The ranges the reduced values keep to fit the files other programs load.
#include "analyses/output_ranges.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "store/stop.hpp"
#include "support/survey_builder.hpp"

namespace mirval::testing {
namespace {

class OutputRanges : public Survey {
protected:
    void SetUp() override {
        Survey::SetUp();
        s.lines.initialBase = 14;
        s.lines.declination = 11;
        row = add({"P1", "P2", 10, 5, 1});
        s.lines.row[row] = 17;
    }
    // The line the check names, or 0 when every value fits.
    int lineNamed() {
        reduce();
        try {
            checkOutputRanges(s, "gruta.orv");
        } catch (const RunStop& stop) {
            EXPECT_EQ(stop.messages.at(1), "VERIFIQUE AS LEITURAS DESTA LINHA (OS LIMITES ESTÃO NO GUIA DO USUÁRIO)");
            const std::string lead = "VALOR FORA DOS LIMITES NO ARQUIVO gruta.orv, LINHA ";
            EXPECT_EQ(stop.messages.at(0).substr(0, lead.size()), lead);
            return std::stoi(stop.messages.at(0).substr(lead.size()));
        }
        return 0;
    }
    int row = 0;
};

TEST_F(OutputRanges, EdgesOfTheFieldsFit) {
    s.header.x0 = 9999999.99 - 6;
    s.header.y0 = -999999.99 + 6;
    s.header.z0 = 9999.99 - 2;
    s.header.declination = -99.99;
    s.shots.az[row] = 999.9;
    EXPECT_EQ(lineNamed(), 0);
}

TEST_F(OutputRanges, TheLineAValueCameFromIsNamed) {
    s.header.x0 = 10000000;
    EXPECT_EQ(lineNamed(), 14);
}

TEST_F(OutputRanges, AzimuthBeyondItsField) {
    s.shots.az[row] = 1000;
    EXPECT_EQ(lineNamed(), 17);
}

TEST_F(OutputRanges, InclinedDistanceBeyondItsField) {
    s.shots.dhor[row] = 1000;  // the inclined distance computed from it does not fit F6.2
    EXPECT_EQ(lineNamed(), 17);
}

TEST_F(OutputRanges, NoNumber) {
    s.shots.dhor[row] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(lineNamed(), 17);
}

TEST_F(OutputRanges, LinesNeverReachedReachNoFile) {
    add({"P8", "P9", 10, 5000, 0});
    EXPECT_EQ(lineNamed(), 0);
}

TEST_F(OutputRanges, Declination) {
    s.azimuthCorrection = 1000;  // the declination the files print
    EXPECT_EQ(lineNamed(), 11);
}

}  // namespace
}  // namespace mirval::testing
