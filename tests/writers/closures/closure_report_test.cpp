#include <gtest/gtest.h>

#include "support/closure_survey.hpp"
#include "writers/closures/closure_report.hpp"

namespace mirval::testing {

namespace {

class ClosureReport : public ClosureSurvey {
protected:
    void triangle() {
        shot("P1", "P2", {10, 0, 0});
        shot("P2", "P3", {10, 90, 0});
        shot("P3", "P1", {14, 225, 0});
    }
    std::string report(const InstrumentErrors& sd = {}) {
        analysis = analyse(sd);
        LineCollector out;
        WRTFCH(s, analysis, out);
        return out.text();
    }
    std::string summaryLine() {
        LineCollector out;
        writeClosureSummary(out, analysis);
        return out.text();
    }
    ClosureAnalysis analysis;
};

TEST_F(ClosureReport, TriangleWithItsHeadingsAndLegend) {
    triangle();
    EXPECT_EQ(report({0.1, 1, 1.5}),
              "\n"
              "FECHAMENTOS DOS LACOS DA POLIGONAL\n"
              "\n"
              "Gruta\n"
              "\n"
              "DESVIOS PADRAO DAS LEITURAS:\n"
              "DISTANCIA  =   0.10 M\n"
              "AZIMUTE    =   1.00 GRAUS\n"
              "INCLINACAO =   1.50 GRAUS\n"
              "\n"
              "NUMERO DE LACOS            =         1\n"
              "COMPRIMENTO TOTAL DOS LACOS=     34.00 M\n"
              "ERRO MEDIO                 =      0.42 %\n"
              "PIOR ERRO                  =      0.42 % NA LINHA 3\n"
              "LACOS ACEITAVEIS           =         0\n"
              "LACOS SUSPEITOS            =         0\n"
              "\n"
              "LINHA= LINHA QUE FECHA O LACO; EQUIV.= ESTACAO EQUIVALENTE CRIADA NO FECHAMENTO\n"
              "COMPR.= COMPRIMENTO DO LACO (SOMA DAS DISTANCIAS INCLINADAS)\n"
              "DE, DN, DZ= ERRO DE FECHAMENTO (ESTACAO EQUIVALENTE MENOS ESTACAO VISADA)\n"
              "ERRO= COMPRIMENTO DO ERRO DE FECHAMENTO; ERRO %= ERRO / COMPR.\n"
              "ESPER.= ERRO ESPERADO DOS INSTRUMENTOS NA DIRECAO DO ERRO (UM DESVIO PADRAO)\n"
              "RAZAO= ERRO / ESPER.; SEM ERRO GROSSEIRO, O SEU QUADRADO SEGUE A LEI QUI-QUADRADO COM 3 GRAUS\n"
              "       DE LIBERDADE: BOM ATE 2.80 (95 % DOS LACOS), ACEITAVEL ATE 4.03 (99.9 %), SUSPEITO ACIMA\n"
              "\n"
              "LINHA BASE VIS  EQUIV. LINHAS    COMPR.       DE       DN       DZ    ERRO  ERRO %  ESPER.     RAZAO "
              "AVALIACAO\n"
              "    3 P3   P1     5001      3     34.00     0.10     0.10     0.00    0.14    0.42    0.22      0.63 BOM\n"
              "\n"
              "LEITURAS SUSPEITAS\n"
              "\n"
              "NENHUM LACO SUSPEITO.\n");
    EXPECT_EQ(summaryLine(), "FECHAMENTOS: 1 LACOS, ERRO MEDIO 0.42 %, PIOR 0.42 % NA LINHA 3, SUSPEITOS: 0\n");
}

TEST_F(ClosureReport, WorstLoopFirstAndSuspectReadingsByLine) {
    triangle();
    shot("P3", "P4", {8, 120, 3});
    shot("P4", "P2", {12, 300, -2});
    shot("P4", "P4", {3, 10, 0});  // a line from a station to itself: its distance should be 0
    const std::vector<std::string> text = lines(report());
    const auto table = std::find(text.begin(), text.end(), "LEITURAS SUSPEITAS");
    ASSERT_NE(table, text.end());
    const auto at = [&](const std::string& start) {
        return std::find_if(text.begin(), text.end(), [&](const std::string& l) { return l.starts_with(start); });
    };
    // loops by ratio: line 5 (65), line 6 (60), line 3 (1.3)
    EXPECT_LT(at("    5 P4   P2"), at("    6 P4   P4"));
    EXPECT_LT(at("    6 P4   P4"), at("    3 P3   P1"));
    EXPECT_LT(at("    3 P3   P1"), table);
    EXPECT_EQ(text.back(),
              "    6 P4   P4   DISTANCIA       3.00      0.00     1      1      0     60.00      0.00     0.00  100.00");
}

TEST_F(ClosureReport, SurveyWithoutLoopsSaysSoInOneLine) {
    shot("P1", "P2", {10, 0, 0});
    const std::vector<std::string> text = lines(report());
    EXPECT_EQ(text.back(), "LEVANTAMENTO SEM LACOS: NENHUM FECHAMENTO A AVALIAR.");
    EXPECT_EQ(text[text.size() - 2], "");
    EXPECT_EQ(text[text.size() - 3], "INCLINACAO =   0.50 GRAUS");
    EXPECT_EQ(summaryLine(), "FECHAMENTOS: LEVANTAMENTO SEM LACOS.\n");
}

}  // namespace

}  // namespace mirval::testing
