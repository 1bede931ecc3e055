#pragma once
// Fixed-width texts: byte strings padded on the right with blanks. Widths count
// bytes; a cut never splits a UTF-8 character.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mirval {

// Longest prefix of `s` of at most `width` bytes that does not end inside a
// UTF-8 sequence. Bytes that are not UTF-8 are simply cut at the width.
std::string_view cutUtf8(std::string_view s, std::size_t width);

// The text without its trailing blanks.
std::string_view trim(std::string_view s);

template <std::size_t N>
class FixedText {
public:
    FixedText() { bytes_.fill(' '); }
    FixedText(std::string_view s) { assign(s); }  // NOLINT: texts convert freely

    void assign(std::string_view s) {
        const std::string_view kept = cutUtf8(s, N);
        bytes_.fill(' ');
        kept.copy(bytes_.data(), kept.size());
    }
    void clear() { bytes_.fill(' '); }

    static constexpr std::size_t width = N;
    std::string_view full() const { return {bytes_.data(), N}; }
    std::string_view trimmed() const { return trim(full()); }
    std::string str() const { return std::string(full()); }
    bool isBlank() const { return trimmed().empty(); }
    char operator[](std::size_t i) const { return bytes_[i]; }
    char& operator[](std::size_t i) { return bytes_[i]; }
    friend bool operator==(const FixedText& a, const FixedText& b) { return a.bytes_ == b.bytes_; }

private:
    std::array<char, N> bytes_;
};

using Name = FixedText<32>;       // station names
using LongText = FixedText<256>;  // cave name, municipality, team, comments, file names

}  // namespace mirval
