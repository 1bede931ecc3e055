// Times the loop-closure analysis and its report on a survey file, for
// example one written by make_survey (bench/make_survey 5499 500 holds 500
// loops). Reads and reduces the survey once, then runs the analysis and the report writer
// RUNS times and prints the median of each.
//   bench_closures SURVEY.orv [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <memory>

#include "analyses/closures.hpp"
#include "readers/readers.hpp"
#include "reduction/reduction.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"
#include "writers/closures/closure_report.hpp"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class Work>
double millisecondsOf(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_closures SURVEY.orv [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const auto store = std::make_unique<mirval::Store>();
    mirval::Store& s = *store;
    mirval::initialiseStore(s);
    mirval::LineCollector listing;
    mirval::LineCollector console;
    mirval::RunLog log{console, listing};
    try {
        mirval::LERTXT(s, argv[1], "orv", log);
        s.azimuthCorrection = s.header.declination;
        mirval::reduceSurvey(s, log);
    } catch (const mirval::RunStop& stop) {
        std::fprintf(stderr, "the survey could not be read: %s\n",
                     stop.messages.empty() ? "" : stop.messages.front().c_str());
        return 1;
    }

    std::vector<double> analysis, report;
    mirval::ClosureAnalysis result;
    std::size_t bytes = 0;
    for (int run = 0; run < runs; ++run) {
        analysis.push_back(millisecondsOf([&] { result = mirval::analyseClosures(s, {}); }));
        mirval::LineCollector out;
        report.push_back(millisecondsOf([&] { mirval::WRTFCH(s, result, out); }));
        bytes = out.text().size();
    }
    std::size_t lines = 0;
    for (const mirval::LoopClosure& loop : result.loops) lines += loop.lines.size();
    std::printf("%d input lines, %d loops (%zu loop lines, %d suspect), %zu suspect readings\n", s.inputLineCount,
                result.summary.loops, lines, result.summary.suspect, result.suspects.size());
    std::printf("median of %d runs: analysis %.3f ms, report %.3f ms (%zu bytes)\n", runs, median(analysis),
                median(report), bytes);
    return 0;
}
