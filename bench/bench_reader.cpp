// Reads a generated 10000-line spreadsheet survey with LERTXT, which also writes
// its three normalized copies. Usage: bench_reader [folder] (default: /tmp).
// Run under /usr/bin/time -v for the peak memory.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <memory>

#include "readers/readers.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"
#include "writers/copies/normalized_copy.hpp"

namespace {

// A winding survey of 10000 lines: a main line with walls and ceilings, every
// fifth line a radiation point, every thousandth line closing a loop, comments
// on every line (9991 stations).
void writeSurvey(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "ORV\nNome da Gruta: (256 caracteres)\nGruta do Benchmark\nMunicípio\nBenchmark, MG\nData\n01 01 2024\n"
           "Equipe\nMáquina\nDeclinação\n -21.50\nEstação inicial\nBase 1 X Y Z HT Zona\n"
           "P0   612345.67  7712345.67  845.50  -1.00  -23\nlegenda\nlegenda\n";
    int main = 0;
    double ceiling = 2.0;  // the ceiling at the current main station, read again from there
    char line[256];
    for (int i = 1; i <= 10000; ++i) {
        const double az = (i * 37) % 360 + 0.5;
        const double ac = ((i * 13) % 41) - 20.0;
        if (i % 1000 == 0) {
            std::snprintf(line, sizeof line,
                          "P%d P%d %.1f %.1f 12.00 -1.00 -1.00 -1.00 -1.00 -1.00 0.00 -1.00 0.00 # fecha o circuito\n",
                          main, main - 10, az, ac);
        } else if (i % 5 == 0) {
            std::snprintf(line, sizeof line,
                          "P%d R%d %.1f %.1f %.2f -1.00 -1.00 -1.00 -1.00 -1.00 0.00 0.00 0.00 # ponto %d\n", main, i,
                          az, ac, 1.0 + (i % 7) * 0.5, i);
        } else {
            const double next = 1.5 + (i % 9) * 0.5;
            std::snprintf(line, sizeof line,
                          "P%d P%d %.1f %.1f %.2f %.2f %.2f %.2f %.2f %.2f 0.00 %.2f 0.00 # galeria principal %d\n",
                          main, main + 1, az, ac, 3.0 + (i % 11), 1.0 + (i % 3), 0.8 + (i % 4) * 0.3,
                          1.1 + (i % 5) * 0.2, 0.9 + (i % 2), ceiling, next, i);
            ceiling = next;
            ++main;
        }
        out << line;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    const std::filesystem::path survey = folder / "bench_reader.orv";
    writeSurvey(survey);

    const auto store = std::make_unique<mirval::Store>();
    mirval::Store& s = *store;
    mirval::initialiseStore(s);
    mirval::OutputFile listing;
    if (!listing.open((folder / "bench_reader.res").string())) return 1;
    mirval::LineCollector console;
    mirval::RunLog log{console, listing};

    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    try {
        mirval::LERTXT(s, survey.string(), "orv", log);
        for (const std::string_view tag : mirval::copyTagsOf(s.facts.format)) {
            mirval::OutputFile copy;
            if (!copy.open((folder / ("bench_reader_orv." + std::string(tag))).string())) return 1;
            mirval::WRTMVR(s, tag, copy);
        }
    } catch (const mirval::RunStop& stop) {
        std::fprintf(stderr, "reader stopped: %s\n", stop.messages.empty() ? "" : stop.messages.front().c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    listing.close();
    std::printf("LERTXT: %d lines, %d stations, three copies written in %.2f ms (CPU %.2f ms)\n", s.lineCount,
                s.stationCount, seconds * 1000, cpuSeconds * 1000);
    for (const char* suffix : {".res", "_orv.vrk", "_orv.eef", "_orv.orv", ".orv"}) {
        std::filesystem::remove(folder / (std::string("bench_reader") + suffix));
    }
    return 0;
}
