// The adjustment report's layout, byte for byte: headings, fields, the verdict,
// the floated lines, the shifts and the corrections of a triangle.
#include <gtest/gtest.h>

#include "reduction/adjustment.hpp"
#include "support/closure_survey.hpp"
#include "writers/adjustment/adjustment_report.hpp"

namespace mirval::testing {

namespace {

class AdjustmentReport : public ClosureSurvey {
protected:
    std::string report(std::vector<int> floated) {
        shot("P1", "P2", {10, 0, 0});
        shot("P2", "P3", {10, 90, 0});
        shot("P3", "P1", {14, 225, 0});
        reduce();
        const AdjustmentResults a = adjustNetwork(s, {InstrumentErrors{}, std::move(floated)});
        LineCollector out;
        WRTAJU(s, a, out);
        writeAdjustmentSummary(out, s, a);
        return out.text();
    }
};

TEST_F(AdjustmentReport, TriangleWithAFloatedLine) {
    EXPECT_EQ(report({3}),
              "\n"
              "AJUSTAMENTO DA POLIGONAL POR MINIMOS QUADRADOS\n"
              "\n"
              "Gruta\n"
              "\n"
              "DESVIOS PADRAO DAS LEITURAS:\n"
              "DISTANCIA  =   0.05 M\n"
              "AZIMUTE    =   0.50 GRAUS\n"
              "INCLINACAO =   0.50 GRAUS\n"
              "CADA LINHA TEM AINDA 0.001 M POR EIXO (UMA LINHA DE COMPRIMENTO ZERO SO ISSO);\n"
              "A ESTACAO INICIAL FICA NAS COORDENADAS DO CABECALHO.\n"
              "\n"
              "NUMERO DE ESTACOES         =         3\n"
              "NUMERO DE LINHAS           =         3\n"
              "NUMERO DE LACOS            =         1\n"
              "LINHAS FLUTUANTES          =         1\n"
              "SOMA DOS QUADRADOS         =      0.00\n"
              "GRAUS DE LIBERDADE         =         0\n"
              "\n"
              "FATOR DE VARIANCIA = 0.00\n"
              "\n"
              "SOMA DOS QUADRADOS= SOMA DOS QUADRADOS DOS RESIDUOS NORMALIZADOS DAS LINHAS NAO FLUTUANTES\n"
              "GRAUS DE LIBERDADE= 3 POR LACO QUE NENHUMA LINHA FLUTUANTE FECHA\n"
              "FATOR DE VARIANCIA= SOMA / GRAUS: PERTO DE 1 QUANDO OS DESVIOS PADRAO EXPLICAM OS ERROS DO LEVANTAMENTO\n"
              "\n"
              "AVALIACAO: TODOS OS LACOS SAO FECHADOS POR LINHAS FLUTUANTES; NADA A AVALIAR.\n"
              "\n"
              "LINHAS FLUTUANTES (SEM PESO: FECHAM SOZINHAS OS LACOS POR ONDE PASSAM)\n"
              "DE, DN, DZ= VETOR AJUSTADO MENOS VETOR MEDIDO; CORRECAO= SEU COMPRIMENTO (M)\n"
              "RAZAO= CORRECAO EM DESVIOS PADRAO DA PROPRIA LINHA (FORA DA SOMA DOS QUADRADOS)\n"
              "\n"
              "LINHA BASE    VIS            DE        DN        DZ  CORRECAO     RAZAO\n"
              "    3 P3      P1         -0.101    -0.101     0.000     0.142      2.84\n"
              "\n"
              "DESLOCAMENTOS DAS ESTACOES, O MAIOR PRIMEIRO\n"
              "DE, DN, DZ= POSICAO AJUSTADA MENOS POSICAO DA REDUCAO; DESLOC.= SEU COMPRIMENTO (M)\n"
              "\n"
              "ESTACAO        DE        DN        DZ   DESLOC.\n"
              "P3          0.000     0.000     0.000     0.000\n"
              "P2          0.000     0.000     0.000     0.000\n"
              "P1          0.000     0.000     0.000     0.000\n"
              "\n"
              "CORRECOES DAS LINHAS\n"
              "DE, DN, DZ= VETOR AJUSTADO MENOS VETOR MEDIDO; CORRECAO= SEU COMPRIMENTO (M)\n"
              "RESIDUO= CORRECAO EM DESVIOS PADRAO DA LINHA (RESIDUO NORMALIZADO)\n"
              "\n"
              "OS 2 MAIORES RESIDUOS\n"
              "LINHA BASE    VIS            DE        DN        DZ  CORRECAO   RESIDUO\n"
              "    1 P1      P2          0.000     0.000     0.000     0.000      0.00\n"
              "    2 P2      P3          0.000     0.000     0.000     0.000      0.00\n"
              "\n"
              "TODAS AS LINHAS, NA ORDEM DO LEVANTAMENTO\n"
              "LINHA BASE    VIS            DE        DN        DZ  CORRECAO   RESIDUO\n"
              "    1 P1      P2          0.000     0.000     0.000     0.000      0.00\n"
              "    2 P2      P3          0.000     0.000     0.000     0.000      0.00\n"
              "    3 P3      P1         -0.101    -0.101     0.000     0.142      2.84 FLUTUANTE\n"
              "AJUSTAMENTO: 1 LACOS, FATOR DE VARIANCIA 0.00, MAIOR DESLOCAMENTO 0.000 M NA ESTACAO P3\n");
}

}  // namespace
}  // namespace mirval::testing
