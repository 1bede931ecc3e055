// Fixed-width texts: cutting without splitting a UTF-8 character, trimming.
#include "text/fixed_text.hpp"

#include <cstring>

#include "text/utf8.hpp"

namespace mirval {

std::string_view cutUtf8(std::string_view s, std::size_t width) {
    if (s.size() <= width) return s;
    // Walk back over continuation bytes to the lead byte of the last sequence
    // that starts before the cut; drop it when the cut would shorten it.
    std::size_t start = width;
    std::size_t continuations = 0;
    while (start > 0 && continuations < 3 && utf8::isContinuation(static_cast<unsigned char>(s[start - 1]))) {
        --start;
        ++continuations;
    }
    if (start > 0) {
        const auto lead = static_cast<unsigned char>(s[start - 1]);
        const std::size_t need = utf8::sequenceLength(lead);
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
