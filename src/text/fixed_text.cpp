#include "text/fixed_text.hpp"

#include <cstring>

namespace mirval {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}
}  // namespace

std::string_view cutUtf8(std::string_view s, std::size_t width) {
    if (s.size() <= width) return s;
    // Walk back over continuation bytes to the lead byte of the last sequence
    // that starts before the cut; drop it when the cut would shorten it.
    std::size_t start = width;
    std::size_t continuations = 0;
    while (start > 0 && continuations < 3 && isContinuation(static_cast<unsigned char>(s[start - 1]))) {
        --start;
        ++continuations;
    }
    if (start > 0) {
        const auto lead = static_cast<unsigned char>(s[start - 1]);
        const std::size_t need = sequenceLength(lead);
        if (need > 1 && continuations + 1 < need) return s.substr(0, start - 1);
    }
    return s.substr(0, width);
}

std::string_view trim(std::string_view s) {
    // fields are mostly blanks (a 256-byte comment): skip them eight at a time
    static constexpr char kEightBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::size_t n = s.size();
    while (n >= 8 && std::memcmp(s.data() + n - 8, kEightBlanks, 8) == 0) n -= 8;
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

}  // namespace mirval
