// Writing the outputs of a run: each checked through its close, several on all
// cores judged in the run's order.
#include "app/output_writing.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <numeric>
#include <span>
#include <thread>

#include "store/stop.hpp"
#include "system/file_system.hpp"

namespace mirval {

namespace {

// One output while it is written.
struct Job {
    SideBySideOutput* output = nullptr;
    OutputFile ownFile;
    OutputFile* file = nullptr;
    bool created = false;       // the run made the file: it did not exist before
    bool complete = false;      // every byte reached the file
    std::exception_ptr thrown;  // what the writer threw, if anything
};

void run(Job& job) {
    try {
        job.output->write(*job.file);
        job.complete = job.file->close();
    } catch (...) {
        job.thrown = std::current_exception();
        job.file->close();
    }
}

// The jobs on every core, the longest first; returns when all are done.
void runLongestFirst(std::span<Job> jobs) {
    std::vector<std::size_t> order(jobs.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return jobs[a].output->weight > jobs[b].output->weight; });
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k; (k = next.fetch_add(1)) < order.size();) run(jobs[order[k]]);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), jobs.size());
    std::vector<std::jthread> threads;
    for (std::size_t t = 1; t < helpers; ++t) threads.emplace_back(work);
    work();
}

// Opens the outputs in order; stops at the first that cannot be created and
// returns its index (or the count when all opened).
std::size_t openInOrder(std::vector<SideBySideOutput>& outputs, std::vector<Job>& jobs) {
    for (std::size_t k = 0; k < outputs.size(); ++k) {
        Job& job = jobs[k];
        job.output = &outputs[k];
        if (outputs[k].openAlready != nullptr) {
            job.file = outputs[k].openAlready;
            continue;
        }
        job.file = &job.ownFile;
        job.created = !pathExists(outputs[k].name);
        if (!job.file->open(outputs[k].name)) return k;
    }
    return outputs.size();
}

// The files that outputs after a failed one created are taken away again.
void removeCreatedAfter(std::span<Job> jobs, std::size_t failed) {
    for (std::size_t k = failed + 1; k < jobs.size(); ++k) {
        if (jobs[k].created) removeFile(jobs[k].output->name);
    }
}

}  // namespace

void writeOutput(const std::string& name, std::string_view openFailureLead,
                 const std::function<void(OutputFile&)>& write) {
    OutputFile out;
    if (!out.open(name)) stopOnOpenFailure(openFailureLead, name);
    write(out);
    if (!out.close()) stopOnWriteFailure(name);
}

void writeSideBySide(std::vector<SideBySideOutput>& outputs) {
    std::vector<Job> allJobs(outputs.size());
    const std::size_t opened = openInOrder(outputs, allJobs);
    const std::span<Job> jobs(allJobs.data(), opened);
    runLongestFirst(jobs);
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        Job& job = jobs[k];
        if (job.thrown || !job.complete) removeCreatedAfter(jobs, k);
        if (job.thrown) std::rethrow_exception(job.thrown);
        if (!job.complete) stopOnWriteFailure(job.output->name);
        if (job.output->afterCompletion) job.output->afterCompletion();
    }
    if (opened < outputs.size()) stopOnOpenFailure(outputs[opened].openFailureLead, outputs[opened].name);
}

}  // namespace mirval
