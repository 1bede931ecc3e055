// The line reader and the free-form value reader of the survey and profile files.
#include "readers/free_form.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "store/stop.hpp"
#include "system/file_system.hpp"
#include "text/format.hpp"

namespace mirval {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kEndOfFileMark = 26;
// What the line reader asks of the file at once.
constexpr std::size_t kReadBytes = 64 * 1024;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isQuote(char c) { return c == '\'' || c == '"'; }

[[noreturn]] void failLineTooLong(std::string_view fileName, int line) {
    throw RunStop(1, {fmt::Record().a("LINHA LONGA DEMAIS NO ARQUIVO ").a(trim(fileName)).a(", LINHA ").i0(line).str(),
                      "UMA LINHA TEM NO MÁXIMO 65536 BYTES: CONFIRA SE ESTE É O ARQUIVO CERTO"});
}

// Digits from `i` on; returns the position after them.
std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// Decimal exponent of the first significant digit of a well-formed number
// (mantissa digits, optional point, optional exponent), saturated far beyond
// a double's range. Only called for a value from_chars found out of range.
long long magnitudeOf(std::string_view s) {
    std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    long long beforePoint = 0;
    long long leadingZeros = 0;
    bool significant = false;
    bool afterPoint = false;
    for (; i < s.size() && (isDigit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            afterPoint = true;
        } else if (!significant && s[i] == '0') {
            if (afterPoint) ++leadingZeros;
        } else {
            significant = true;
            if (!afterPoint) ++beforePoint;
        }
    }
    long long exponent = 0;
    if (i < s.size()) {  // e or E
        ++i;
        const bool negative = s[i] == '-';
        if (s[i] == '+' || s[i] == '-') ++i;
        for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
    }
    return exponent + (beforePoint > 0 ? beforePoint - 1 : -leadingZeros - 1);
}

}  // namespace

bool LineReader::open(const std::string& path) {
    file_.reset(openFile(path, "rb"));
    if (file_ == nullptr) return false;
    path_ = path;
    buffer_.resize(kMaxLineBytes + kReadBytes);
    begin_ = end_ = 0;
    atEnd_ = false;
    started_ = false;
    lineNumber_ = 0;
    return true;
}

void LineReader::openText(std::string text) {
    file_.reset();
    path_.clear();
    buffer_ = std::move(text);
    begin_ = 0;
    end_ = std::min(buffer_.find(kEndOfFileMark), buffer_.size());
    atEnd_ = true;
    started_ = false;
    lineNumber_ = 0;
}

void LineReader::start() {
    while (end_ - begin_ < kByteOrderMark.size() && readMore()) {
    }
    if (std::string_view(buffer_).substr(begin_, end_ - begin_).starts_with(kByteOrderMark)) {
        begin_ += kByteOrderMark.size();
    }
    started_ = true;
}

bool LineReader::readMore() {
    if (atEnd_) return false;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);  // the unread bytes to the start
    end_ -= begin_;
    begin_ = 0;
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_.get());
    if (got == 0 && std::ferror(file_.get()) != 0) failReading(path_, lineNumber_ + 1);
    const std::string_view read(buffer_.data() + end_, got);
    const std::size_t mark = read.find(kEndOfFileMark);
    end_ += std::min(mark, got);
    if (got == 0 || mark != std::string_view::npos) {
        atEnd_ = true;
        file_.reset();
    }
    return got > 0;
}

std::optional<std::string_view> LineReader::next() {
    if (!started_) start();
    std::size_t searched = 0;  // bytes after begin_ known to hold no line end
    std::size_t lineEnd = std::string::npos;
    while ((lineEnd = std::string_view(buffer_).substr(begin_ + searched, end_ - begin_ - searched).find('\n')) ==
           std::string_view::npos) {
        searched = end_ - begin_;
        if (searched > kMaxLineBytes) failLineTooLong(path_, lineNumber_ + 1);
        if (!readMore()) break;
    }
    if (lineEnd == std::string_view::npos && begin_ == end_) return std::nullopt;
    const std::size_t length = lineEnd == std::string_view::npos ? end_ - begin_ : searched + lineEnd;
    if (length > kMaxLineBytes) failLineTooLong(path_, lineNumber_ + 1);
    if (lineNumber_ == std::numeric_limits<int>::max()) failReading(path_, lineNumber_);
    std::string_view line(buffer_.data() + begin_, length);
    begin_ = std::min(begin_ + length + 1, end_);
    ++lineNumber_;
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

bool parseReal(std::string_view s, double& value) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t mantissa = i;
    i = skipDigits(s, i);
    std::size_t digits = i - mantissa;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = ++i;
        i = skipDigits(s, i);
        digits += i - fraction;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t exponent = i;
        i = skipDigits(s, i);
        if (i == exponent) return false;
    }
    if (i != s.size()) return false;

    const std::string_view unsigned_ = s[0] == '+' ? s.substr(1) : s;
    double parsed = 0;
    const auto [end, error] = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), parsed);
    if (error == std::errc::result_out_of_range) {
        if (magnitudeOf(s) >= 0) return false;  // beyond a double
        parsed = s[0] == '-' ? -0.0 : 0.0;      // too small: reads as zero
    } else if (error != std::errc() || end != unsigned_.data() + unsigned_.size()) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseInteger(std::string_view s, std::int32_t& value) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size() || skipDigits(s, i) != s.size()) return false;
    long long parsed = 0;
    for (std::size_t k = i; k < s.size(); ++k) {
        parsed = parsed * 10 + (s[k] - '0');
        if (parsed > 1LL + std::numeric_limits<std::int32_t>::max()) return false;
    }
    if (s[0] == '-') parsed = -parsed;
    if (parsed < std::numeric_limits<std::int32_t>::min() || parsed > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(parsed);
    return true;
}

bool FreeFormRecord::nextToken(std::string_view& token, bool& quoted) {
    for (;;) {
        while (started_ && column_ < current_.size() && isSeparator(current_[column_])) ++column_;
        if (started_ && column_ < current_.size()) break;
        const auto line = lines_.next();
        if (!line) {
            lineNumber_ = lines_.lineNumber() + 1;
            return false;
        }
        current_ = *line;
        column_ = 0;
        started_ = true;
        lineNumber_ = lines_.lineNumber();
    }
    const std::string_view rest = current_.substr(column_);
    quoted = isQuote(rest[0]);
    if (!quoted) {
        std::size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end])) ++end;
        token = rest.substr(0, end);
        column_ += end;
        return true;
    }
    // A quoted text runs to its closing quote (a doubled quote stands for one)
    // or, when it is never closed, to the end of the line.
    const char quote = rest[0];
    unquoted_.clear();
    std::size_t i = 1;
    while (i < rest.size()) {
        if (rest[i] == quote) {
            if (i + 1 < rest.size() && rest[i + 1] == quote) {
                unquoted_.push_back(quote);
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        unquoted_.push_back(rest[i++]);
    }
    token = unquoted_;
    column_ += i;
    return true;
}

ReadOutcome FreeFormRecord::text(std::string& value) {
    std::string_view token;
    bool quoted = false;
    if (!nextToken(token, quoted)) return ReadOutcome::endOfFile;
    value.assign(token);
    return ReadOutcome::ok;
}

ReadOutcome FreeFormRecord::real(double& value) {
    std::string_view token;
    bool quoted = false;
    if (!nextToken(token, quoted)) return ReadOutcome::endOfFile;
    return !quoted && parseReal(token, value) ? ReadOutcome::ok : ReadOutcome::unreadable;
}

ReadOutcome FreeFormRecord::integer(std::int32_t& value) {
    std::string_view token;
    bool quoted = false;
    if (!nextToken(token, quoted)) return ReadOutcome::endOfFile;
    return !quoted && parseInteger(token, value) ? ReadOutcome::ok : ReadOutcome::unreadable;
}

bool holdsControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t') || byte == 0x7F;
    });
}

void failReading(std::string_view fileName, int line) {
    failWith(fmt::Record().a("ERRO DE LEITURA NO ARQUIVO ").a(trim(fileName)).a(", LINHA ").i0(line));
}

}  // namespace mirval
