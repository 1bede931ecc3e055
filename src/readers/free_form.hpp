#pragma once
// Reading survey and profile files.
//
// LineReader hands out the physical lines of a text file:
//   - "\n" ends a line; a "\r" just before it (or at the very end of the file)
//     is not part of the line;
//   - a UTF-8 byte-order mark at the very start of the file is skipped;
//   - a byte 26 (the DOS end-of-file mark) ends the file: nothing from it on is read.
//
// FreeFormRecord reads the list-directed values of one record:
//   - values are separated by blanks, tabs or commas (a comma counts as a blank,
//     so "12,50" is the two values 12 and 50);
//   - a text value is the next run of characters up to a separator, or a text
//     enclosed in ' or " that may hold blanks and commas ('' inside '...' is one ');
//   - a real is an optional sign, digits with an optional decimal point (at
//     least one digit) and an optional exponent e/E with optional sign and digits;
//     an integer is an optional sign and digits within 32 bits ("23.0" is not one);
//   - when a line runs out before the record has all its values, reading
//     continues on the next physical line (blank lines are passed over);
//   - whatever follows the last value read is ignored: the next record, or the
//     next LineReader::next(), starts on the following physical line.
//
// Typical use:
//     LineReader lines;
//     if (!lines.open(path)) ...;
//     FreeFormRecord record(lines);
//     double x;
//     if (record.real(x) != ReadOutcome::ok) failReading(path, record.line());
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/fixed_text.hpp"

namespace mirval {

class LineReader {
public:
    // Lines longer than this stop the run: no line of a survey or profile file
    // comes near it, and the reader holds at most one such line and one piece
    // of the file read ahead, whatever the size of the file.
    static constexpr std::size_t kMaxLineBytes = 64 * 1024;

    // Opens the file, read piece by piece as its lines are asked for; false
    // when it cannot be opened.
    bool open(const std::string& path);
    // Reads from text held in memory (tests); the same rules as a file.
    void openText(std::string text);

    // The next physical line without its line end (valid until the next call),
    // or nothing at the end of the file. A line longer than kMaxLineBytes, or a
    // file that cannot be read on, stops the run naming the file and the line.
    std::optional<std::string_view> next();

    // Number of the line last returned by next() (0 before the first); at the
    // end of the file, the number of lines in the file.
    int lineNumber() const { return lineNumber_; }

private:
    void start();
    // Reads more of the file after the unread bytes; false at its end.
    bool readMore();

    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::string path_;
    std::string buffer_;       // the bytes read and not yet handed out are [begin_, end_)
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = true;        // nothing more to read: the end of the file, or its end-of-file mark
    bool started_ = false;     // the byte-order mark has been looked for
    int lineNumber_ = 0;
};

enum class ReadOutcome {
    ok,
    unreadable,  // the value is not of the kind asked for (line() names its line)
    endOfFile,   // the file ended before the value (line() is lines in file + 1)
};

// The values of one record; the first value read starts on the next physical line.
class FreeFormRecord {
public:
    explicit FreeFormRecord(LineReader& lines) : lines_(lines) {}

    ReadOutcome text(std::string& value);
    template <std::size_t N>
    ReadOutcome text(FixedText<N>& value) {  // cut to N bytes, never inside a UTF-8 character
        std::string raw;
        const ReadOutcome outcome = text(raw);
        if (outcome == ReadOutcome::ok) value.assign(raw);
        return outcome;
    }
    ReadOutcome real(double& value);
    ReadOutcome integer(std::int32_t& value);

    // Physical line number of the last value read or of the value that failed;
    // after endOfFile the number the missing line would have.
    int line() const { return lineNumber_; }
    // The physical line that holds the last value read (the record's last line).
    std::string_view lastLine() const { return current_; }

private:
    // The next value's raw characters; false at the end of the file.
    bool nextToken(std::string_view& token, bool& quoted);

    LineReader& lines_;
    std::string_view current_;
    std::size_t column_ = 0;
    bool started_ = false;
    int lineNumber_ = 0;
    std::string unquoted_;  // a quoted text with its doubled quotes resolved
};

// A real or an integer exactly as FreeFormRecord reads one (the whole text
// must be the number; no blanks). False for anything else or a real beyond
// the range of a double; a real too small for a double reads as 0.
bool parseReal(std::string_view text, double& value);
bool parseInteger(std::string_view text, std::int32_t& value);

// Whether the text holds a control byte other than a tab (NUL included): no
// station name may hold one, as the files that name stations could not.
bool holdsControlByte(std::string_view text);

// Reports "ERRO DE LEITURA NO ARQUIVO <trimmed file name>, LINHA <line>" on the
// console log and stops the run as a failure.
[[noreturn]] void failReading(std::string_view fileName, int line);

}  // namespace mirval
