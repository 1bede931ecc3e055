// The credits block.
#include "writers/listings/credits.hpp"

namespace mirval {

void writeCredits(LineSink& out) {
    static constexpr const char* kLines[] = {
        "",
        " ",
        "",
        " MIRVAL - cálculo de coordenadas de levantamentos de grutas",
        " Documentação: README.md",
        "",
        " ",
        "",
        " Leitura das planilhas ORV, VRK e EEF",
        " Leitura do formato SPE antigo",
        " Cópias normalizadas das planilhas",
        " Cálculo das coordenadas da poligonal",
        " Fechamentos com estações equivalentes",
        " Listagens de resultados, plotagem e coordenadas",
        " Análise métrica da topografia",
        " Desenho DXF 3D",
        " Desenho DXF 2D",
        " Conversão UTM para coordenadas geográficas",
        " Arquivo KML",
        " Linha de centro THERION",
        " Arquivo COMPASS com LRUD",
        " Arquivo COMPASS com visadas radiais",
        " Perfil longitudinal retificado em DXF",
        " Interface gráfica e de terminal",
        " Testes automatizados",
        "",
        " MIRVAL versão 1.0",
        "",
    };
    for (const char* line : kLines) out.line(line);
}

}  // namespace mirval
