#pragma once
// A stop of the run: an exception that unwinds to main, which writes its message
// to the console log. A stop on the survey's own data leaves the files the run
// has written so far; a failure of the system (a file that cannot be created,
// written or put in place), or a refusal of what the run was asked to do,
// leaves none of them.
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace mirval {

struct RunStop : std::exception {
    RunStop(int s, std::vector<std::string> lines) : status(s), messages(std::move(lines)) {}
    const char* what() const noexcept override { return "run stopped"; }
    int status;                         // 0 complete or quiet end, 1 failure
    std::vector<std::string> messages;  // console log lines that explain the stop
    // None of the run's outputs is left: a file could not be created, written or
    // put in place, or the run refuses what it was asked to do.
    bool leavesNoFile = false;
};

// Ends the run as a failure (exit status 1) with one console line.
[[noreturn]] void failWith(std::string_view message);

// The capacity limits of the store, shared by the readers and the reduction.
[[noreturn]] void stopTooManyLines();
[[noreturn]] void stopTooManyStations();

// A file that cannot be created: an empty line, the lead ("PROBLEMA DE ABERTURA NO
// ARQUIVO " for the writers, "PROBLEMA DE ABERTURA DE ARQUIVO." for the listings)
// with the name in a 256-byte field, the advice line and an empty line.
[[noreturn]] void stopOnOpenFailure(std::string_view lead, std::string_view fileName);
std::vector<std::string> openFailureMessage(std::string_view lead, std::string_view fileName);
inline constexpr std::string_view kWriterOpenFailure = "PROBLEMA DE ABERTURA NO ARQUIVO ";
inline constexpr std::string_view kListingOpenFailure = "PROBLEMA DE ABERTURA DE ARQUIVO.";

// A file that could not be written whole (a full disk, a lost device): an empty
// line, "PROBLEMA DE GRAVAÇÃO NO ARQUIVO " with the name in a 256-byte field, the
// advice line and an empty line.
[[noreturn]] void stopOnWriteFailure(std::string_view fileName);

// A complete file that could not be put in the place of the file of its name
// (on Windows, held open by another program): an empty line, "PROBLEMA DE
// SUBSTITUIÇÃO DO ARQUIVO " with the name in a 256-byte field, the advice line
// and an empty line.
[[noreturn]] void stopOnReplaceFailure(std::string_view fileName);

// A file name as the messages echo it: padded with blanks to 256 bytes.
std::string echoedFileName(std::string_view fileName);

}  // namespace mirval
