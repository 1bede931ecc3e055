// Writes the 3D drawing and the 2D plan of a generated 10000-line survey
// (every station with a ceiling, every line with four wall readings) and
// compares the time with one fwrite of the same bytes.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "store/store.hpp"
#include "writers/dxf/drawings.hpp"

namespace {

using namespace mirval;

struct Timing {
    double wall, cpu;  // elapsed time and the process's CPU time (user + system)
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class F>
Timing timed(F&& body) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    body();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), cpuSeconds() - cpuStart};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void fillSurvey(Store& s) {
    initialiseStore(s);
    StationTable& st = s.stations;
    for (int i = 1; i <= kCapacity; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "E%d", i);
        st.name[i] = Name(name);
        st.known[i] = 1;
        st.x[i] = 612345.678 + 3.1 * std::cos(i * 0.01) * i;
        st.y[i] = 7712345.674 + 2.7 * std::sin(i * 0.013) * i;
        st.z[i] = 845.5 - 0.01 * i;
        st.ht[i] = i % 10 == 0 ? 0.0 : 1.0 + (i % 7) * 0.37;  // every tenth a radiation point
        st.zteto[i] = st.ht[i] > 0 ? st.z[i] + st.ht[i] : -1;
    }
    ShotTable& sh = s.shots;
    for (int i = 1; i <= kCapacity; ++i) {
        sh.base[i] = i;
        sh.sighted[i] = i % kCapacity + 1;
        for (auto [reading, wall] : {std::pair{&sh.ldb, &sh.ldbPoint}, std::pair{&sh.leb, &sh.lebPoint},
                                     std::pair{&sh.ldv, &sh.ldvPoint}, std::pair{&sh.lev, &sh.levPoint}}) {
            (*reading)[i] = 1.25;
            wall->x[i] = st.x[i] + 1.1;
            wall->y[i] = st.y[i] - 0.9;
            wall->z[i] = st.z[i];
        }
    }
    s.lineCount = kCapacity;
}

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

int main() {
    auto survey = std::make_unique<Store>();
    fillSurvey(*survey);
    const auto folder = std::filesystem::temp_directory_path();
    const auto file3d = folder / "mirval_bench_3D.dxf";
    const auto file2d = folder / "mirval_bench_2D.dxf";
    const auto plain = folder / "mirval_bench_fwrite.dxf";

    constexpr int kRounds = 7;
    std::vector<double> drawingWall, drawingCpu, writeWall, writeCpu;
    std::string bytes;
    for (int round = 0; round < kRounds; ++round) {
        // Fresh files each time: replacing a file that is still being written
        // back costs the file system extra work on both sides.
        for (const auto& p : {file3d, file2d, plain}) std::filesystem::remove(p);
        const Timing drawing = timed([&] {
            for (const auto& [writer, file] : {std::pair{&WRTDX3, file3d}, std::pair{&WRTDX2, file2d}}) {
                OutputFile out;
                if (out.open(file.string())) writer(*survey, out);
            }
        });
        if (bytes.empty()) bytes = readAll(file3d) + readAll(file2d);
        const Timing pureWrite = timed([&] {
            std::FILE* f = std::fopen(plain.string().c_str(), "wb");
            if (f == nullptr) return;
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        });
        drawingWall.push_back(drawing.wall);
        drawingCpu.push_back(drawing.cpu);
        writeWall.push_back(pureWrite.wall);
        writeCpu.push_back(pureWrite.cpu);
    }
    std::printf("both drawings of a %d-line survey: %zu bytes (3D %ju, 2D %ju), medians of %d rounds\n", kCapacity,
                bytes.size(), static_cast<std::uintmax_t>(std::filesystem::file_size(file3d)),
                static_cast<std::uintmax_t>(std::filesystem::file_size(file2d)), kRounds);
    std::printf("                     elapsed (median, best)   CPU time (median, best)\n");
    std::printf("writing the drawings %7.3f s %7.3f s      %7.3f s %7.3f s\n", median(drawingWall), best(drawingWall),
                median(drawingCpu), best(drawingCpu));
    std::printf("one fwrite           %7.3f s %7.3f s      %7.3f s %7.3f s\n", median(writeWall), best(writeWall),
                median(writeCpu), best(writeCpu));
    std::printf("ratio                %7.2f   %7.2f        %7.2f   %7.2f\n", median(drawingWall) / median(writeWall),
                best(drawingWall) / best(writeWall), median(drawingCpu) / median(writeCpu),
                best(drawingCpu) / best(writeCpu));
    for (const auto& p : {file3d, file2d, plain}) std::filesystem::remove(p);
    return 0;
}
