// Writes on stdout, in the ORV spreadsheet format, a survey of an N x N grid
// whose readings carry exactly the errors of the default error model (see
// simulated_grid.hpp): the case of the whole-run benchmark of the adjustment.
//   make_grid SIDE [SEED]
// make_grid 58 holds 6,612 lines and 3,249 loops, the largest grid the store
// holds (lines and closure rows fill 9,861 of its 10,000 rows).
#include <cstdio>
#include <cstdlib>

#include "simulated_grid.hpp"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_grid SIDE [SEED]\n");
        return 2;
    }
    const int side = std::atoi(argv[1]);
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1);
    std::printf(
        "ORV\nNome da Gruta: (256 caracteres)\nGrade Simulada de Teste\n"
        "Município e Localidade da Gruta: (256 caracteres)\nLugar Nenhum, MG\n"
        "DIA(dd) MÊS(mm) ANO(aaaa)\n01 02 2024\nEquipe do Levantamento (256 Caracteres)\n"
        "Gerador de grades\nDeclinação magnética:\n  0.00\nInformações da estação inicial\n"
        "Base 1 X(m) Y(m) Z(m) Altura do teto (m) Zona UTM.\n"
        "P1 612345.67 7712345.67 845.50 2.00 -23\nlegenda\nlegenda\n");
    // Az AC DI LEB LDB LEV LDV HtB HcB HtV HcV
    for (const auto& r : mirval::bench::simulatedGrid(side, seed)) {
        std::printf("%s %s %.4f %.4f %.4f -1 -1 -1 -1 2.00 0.00 2.00 0.00\n", r.base.c_str(), r.sighted.c_str(),
                    r.azimuth, r.inclination, r.distance);
    }
    return 0;
}
