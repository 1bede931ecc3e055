// UTF-8 sequences and the Windows-1252 code page.
#include "text/utf8.hpp"

namespace mirval::utf8 {

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

std::size_t validSequenceAt(std::string_view s, std::size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    const std::size_t length = sequenceLength(lead);
    if (length == 1 || at + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(s[at + i]))) return 0;
    }
    const auto second = static_cast<unsigned char>(s[at + 1]);
    if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
    if (lead == 0xED && second > 0x9F) return 0;  // surrogate
    if (lead == 0xF0 && second < 0x90) return 0;  // overlong
    if (lead == 0xF4 && second > 0x8F) return 0;  // beyond U+10FFFF
    return length;
}

namespace {

// Windows-1252 bytes 80-9F; 0 where the code page defines nothing.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendCodePoint(std::string& out, char32_t c) {
    if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

}  // namespace

void appendWindows1252(std::string& out, unsigned char byte) {
    char32_t c = byte;
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) c = kHighControls[byte - 0x80];
    appendCodePoint(out, c);
}

}  // namespace mirval::utf8
