#pragma once
// A stop of the run. It unwinds to main, so every open file is flushed and
// closed; files already written stay as they are.
#include <exception>
#include <string>

#include "text/fixed_text.hpp"
#include "text/output.hpp"

namespace mirval {

struct RunStop : std::exception {
    explicit RunStop(int s) : status(s) {}
    const char* what() const noexcept override { return "run stopped"; }
    int status;  // 0 complete or quiet end, 1 failure
};

// Ends the run as a failure (exit status 1).
[[noreturn]] void failureStop();

// Writes one line to the console log and ends the run as a failure.
[[noreturn]] void failWith(std::string_view message);

// Opens a writer's output file; when it cannot be created, reports
// "PROBLEMA DE ABERTURA NO ARQUIVO" with the 256-byte name and stops.
void openOrStop(OutputFile& file, const LongText& name);

// The listings' variant of the same report ("PROBLEMA DE ABERTURA DE ARQUIVO.").
void openListingOrStop(OutputFile& file, const LongText& name);
[[noreturn]] void stopOnListingOpenFailure(const LongText& name);

}  // namespace mirval
