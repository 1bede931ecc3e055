// Writing the outputs of a run on all cores, judged in the run's order.
#include "app/output_writing.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <numeric>
#include <thread>

#include "store/stop.hpp"

namespace mirval {

namespace {

// One output while it is written.
struct Job {
    SideBySideOutput* output = nullptr;
    bool complete = false;      // every byte reached the file
    std::exception_ptr thrown;  // what the writer threw, if anything
};

void run(Job& job, RunOutputs& files) {
    try {
        job.output->write(*job.output->file);
        job.complete = files.finish(job.output->name);
    } catch (...) {
        job.thrown = std::current_exception();
        job.output->file->close();
    }
}

// The jobs on every core, the longest first; returns when all are done.
void runLongestFirst(std::vector<Job>& jobs, RunOutputs& files) {
    std::vector<std::size_t> order(jobs.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return jobs[a].output->weight > jobs[b].output->weight; });
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k; (k = next.fetch_add(1)) < order.size();) run(jobs[order[k]], files);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), jobs.size());
    std::vector<std::jthread> threads;
    for (std::size_t t = 1; t < helpers; ++t) threads.emplace_back(work);
    work();
}

}  // namespace

void writeSideBySide(std::vector<SideBySideOutput>& outputs, RunOutputs& files) {
    std::vector<Job> jobs(outputs.size());
    for (std::size_t k = 0; k < outputs.size(); ++k) jobs[k].output = &outputs[k];
    runLongestFirst(jobs, files);
    for (const Job& job : jobs) {
        if (job.thrown) std::rethrow_exception(job.thrown);
        if (!job.complete) stopOnWriteFailure(job.output->name);
        if (job.output->afterCompletion) job.output->afterCompletion();
    }
}

}  // namespace mirval
