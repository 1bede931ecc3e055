#pragma once
// How a run writes its outputs: every file opened, written, closed and checked,
// a lost byte stopping the run.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/output.hpp"

namespace mirval {

// Opens an output (or stops with the open-failure message `openFailureLead`),
// lets `write` fill it, closes it, and stops when any byte did not reach it.
void writeOutput(const std::string& name, std::string_view openFailureLead,
                 const std::function<void(OutputFile&)>& write);

// Outputs written side by side on the machine's cores, with the outcome of a run
// that wrote them one after the other: every output is opened in the run's order
// before any is written, the writers run longest first, and then, in the run's
// order again, each output is judged and its console lines written. The first
// failure in that order stops the run, with the message it would have had, and
// the files that later outputs created are taken away again.
struct SideBySideOutput {
    std::string name;
    std::string_view openFailureLead;           // the message when the file cannot be created
    std::function<void(OutputFile&)> write;     // fills the open file; reads only what no writer changes
    int weight = 1;                              // how long it takes, roughly: the longest start first
    std::function<void()> afterCompletion;      // console lines of the run, once the file is complete
    OutputFile* openAlready = nullptr;          // a file the run opened earlier (the result listing)
};

// Writes every output; returns when all are complete, or throws the RunStop of
// the first failure in the given order.
void writeSideBySide(std::vector<SideBySideOutput>& outputs);

}  // namespace mirval
