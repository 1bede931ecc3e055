// Writes a synthetic cave survey in the ORV spreadsheet format on stdout:
// a long main passage with side passages, radiation points, wall and ceiling
// readings and closing lines (loops).
//   make_survey LINES LOOPS [SEED] [reversed]
// "reversed" lists the same data lines from the far end of the passage back
// to the initial station.
// The survey holds LINES data lines, LOOPS of which close a loop. Every other
// line reaches a new station, so LINES - LOOPS stations are named; with loops,
// named stations must stay below 5001 (the duplicate stations' numbers) and
// LINES + LOOPS rows must fit 10000.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string named(char prefix, std::size_t number) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c%zu", prefix, number);
    return buf;
}

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    bool chance(double p) { return uniform(0, 1) < p; }
    double wall() { return chance(0.3) ? -1.0 : uniform(0.2, 4.0); }
    double ceiling() { return chance(0.2) ? -1.0 : uniform(0.5, 9.0); }

    // One data line in ORV order: Az AC DI LEB LDB LEV LDV HtB HcB HtV HcV.
    void line(const std::string& base, const std::string& sighted, double az, bool radiation, const char* comment) {
        const double htv = radiation ? 0.0 : ceiling();
        // drawn from the last reading to the first, the order the surveys were generated in so far
        const double hcb = uniform(0, 1.6);
        const double htb = ceiling();
        const double ldv = radiation ? -1.0 : wall();
        const double lev = radiation ? -1.0 : wall();
        const double ldb = wall();
        const double leb = wall();
        const double di = uniform(1.0, 12.0);
        const double ac = uniform(-15, 15);
        char buf[512];
        std::snprintf(buf, sizeof buf, "%s %s %.1f %.1f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f 0.00 # %s\n",
                      base.c_str(), sighted.c_str(), az, ac, di, leb, ldb, lev, ldv, htb, hcb, htv, comment);
        lines_.emplace_back(buf);
    }
    void print(bool reversed) const {
        if (reversed) {
            for (auto l = lines_.rbegin(); l != lines_.rend(); ++l) std::fputs(l->c_str(), stdout);
        } else {
            for (const std::string& l : lines_) std::fputs(l.c_str(), stdout);
        }
    }

private:
    std::mt19937 random_;
    std::vector<std::string> lines_;
};

void header() {
    std::printf(
        "ORV\nNome da Gruta: (256 caracteres)\nGruta Sintética de Teste\n"
        "Município e Localidade da Gruta: (256 caracteres)\nLugar Nenhum, MG\n"
        "DIA(dd) MÊS(mm) ANO(aaaa)\n01 02 2024\nEquipe do Levantamento (256 Caracteres)\n"
        "Gerador de levantamentos\nDeclinação magnética:\n -21.50\nInformações da estação inicial\n"
        "Base 1 X(m) Y(m) Z(m) Altura do teto (m) Zona UTM.\n"
        "M0 612345.67 7712345.67 845.50 2.00 -23\nlegenda\nlegenda\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_survey LINES LOOPS [SEED] [reversed]\n");
        return 2;
    }
    const int lines = std::atoi(argv[1]);
    const int loops = std::atoi(argv[2]);
    Generator g(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 42u);
    const bool reversed = argc > 4 && std::string_view(argv[4]) == "reversed";
    header();

    std::vector<std::string> main{"M0"};
    double azimuth = 45.0;
    int written = 0;
    int sides = 0;
    int closed = 0;
    const int open = lines - loops;
    while (written < open) {
        const int kind = written % 10;
        if (kind == 9 && main.size() > 3) {  // a radiation point off the main passage
            g.line(main.back(), named('R', static_cast<std::size_t>(written)), g.uniform(0, 360), true, "ponto irradiado");
        } else if (kind == 5 && main.size() > 3) {  // one more station of a side passage
            const std::string from = sides % 3 == 0 ? main.back() : named('S', static_cast<std::size_t>(sides - 1));
            g.line(from, named('S', static_cast<std::size_t>(sides)), g.uniform(0, 360), false, "conduto lateral");
            ++sides;
        } else {
            azimuth += g.uniform(-25, 25);
            if (azimuth < 0) azimuth += 360;
            if (azimuth >= 360) azimuth -= 360;
            const std::string next = named('M', main.size());
            g.line(main.back(), next, azimuth, false, "galeria principal");
            main.push_back(next);
        }
        ++written;
        // spread the loops along the passage: close back a few stations
        if (closed < loops && main.size() > 6 && written * loops >= (closed + 1) * open) {
            const std::string& from = main.back();
            const std::string& to = main[main.size() - 4];
            g.line(from, to, g.uniform(0, 360), false, "fecha o anel");
            ++closed;
        }
    }
    g.print(reversed);
    return 0;
}
