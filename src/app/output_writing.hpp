#pragma once
// How a run writes its outputs side by side, a lost byte stopping the run.
#include <functional>
#include <string>
#include <vector>

#include "app/run_outputs.hpp"
#include "text/output.hpp"

namespace mirval {

// Outputs written side by side on the machine's cores, with the outcome of a run
// that wrote them one after the other: the writers run longest first, and then,
// in the run's order, each output is judged and its console lines written. The
// first failure in that order stops the run with the message it would have had.
struct SideBySideOutput {
    std::string name;
    OutputFile* file = nullptr;                 // open among the run's outputs; finished once written
    std::function<void(OutputFile&)> write;     // fills the file; reads only what no writer changes
    int weight = 1;                              // how long it takes, roughly: the longest start first
    std::function<void()> afterCompletion;      // console lines of the run, once the file is complete
};

// Writes every output; returns when all are complete, or throws the RunStop of
// the first failure in the given order.
void writeSideBySide(std::vector<SideBySideOutput>& outputs, RunOutputs& files);

}  // namespace mirval
