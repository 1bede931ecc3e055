#pragma once
// What the two survey readers share: the input file with its reading errors,
// the header echo, the station lookup and the capacity limits.
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/store.hpp"
#include "readers/free_form.hpp"
#include "text/output.hpp"

namespace mirval {

// The survey file being read. Every failure here stops the run with
// "ERRO DE LEITURA NO ARQUIVO <name>, LINHA <n>".
class SurveyFile {
public:
    explicit SurveyFile(const std::string& fileName);  // opens the file or stops

    // The next physical line; a premature end stops the run.
    std::string_view headerLine();
    // A free-form header record whose every value must be there and readable;
    // returns the line of its first value.
    template <class First, class... Values>
    int headerRecord(First& first, Values&... values) {
        FreeFormRecord record(lines_);
        require(read(record, first), record);
        const int line = record.line();
        (require(read(record, values), record), ...);
        return line;
    }
    // Stops the run unless the value was read.
    void require(ReadOutcome outcome, const FreeFormRecord& record) const;
    // Stops the run when a station name read on that line holds a control byte.
    void requireStationName(const Name& name, int line) const;
    [[noreturn]] void failAt(int line) const;

    LineReader& lines() { return lines_; }
    int lineNumber() const { return lines_.lineNumber(); }

private:
    static ReadOutcome read(FreeFormRecord& r, std::string& v) { return r.text(v); }
    template <std::size_t N>
    static ReadOutcome read(FreeFormRecord& r, FixedText<N>& v) { return r.text(v); }
    static ReadOutcome read(FreeFormRecord& r, double& v) { return r.real(v); }
    static ReadOutcome read(FreeFormRecord& r, int& v) { return r.integer(v); }

    std::string fileName_;
    LineReader lines_;
};

// Station lookup by name: the first station of the table with the same 32 bytes,
// else the first blank entry, which takes the name. While a reader runs the
// station count is one more than the named stations (station 1, the initial
// base, is set before). Past 10000 stations the run stops.
class StationDirectory {
public:
    explicit StationDirectory(Store& s);
    int indexOf(const Name& name);

private:
    bool isBlankEntry(int station);

    Store& store_;
    std::unordered_map<std::string_view, int> named_;  // views into the station table
    int firstBlank_ = 1;
};

// Clears every station name and starts the count of a reading (count 2).
void startStationTable(Store& s);

// A new row of the shot table with its initial values; the run stops when it
// would be past the table.
void startRow(Store& s, int row);

// The header echo: cave name, municipality, the date (spreadsheet surveys only)
// and team on the console log and the result listing, then the scale,
// declination, initial coordinates and initial base on the console log.
void echoHeader(const Store& s, bool withDate, int scale, RunLog& log);

}  // namespace mirval
