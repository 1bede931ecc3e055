#pragma once
// UTF-8 byte sequences: where one starts, whether it is whole and valid, and how
// bytes of older 8-bit files are carried over.
#include <cstddef>
#include <string>
#include <string_view>

namespace mirval::utf8 {

inline bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length a sequence starting with this lead byte has (C2-DF: 2, E0-EF: 3,
// F0-F4: 4), or 1 for any other byte.
std::size_t sequenceLength(unsigned char lead);

// Length of the valid UTF-8 sequence of two or more bytes starting at `at`
// (no overlong form, no surrogate, nothing beyond U+10FFFF), or 0 when there is none.
std::size_t validSequenceAt(std::string_view s, std::size_t at);

// The character a byte 80-FF stands for in Windows-1252 (Latin-1 with printable
// characters in 80-9F), appended as UTF-8. The five bytes Windows-1252 leaves
// undefined are taken as the C1 controls of the same number.
void appendWindows1252(std::string& out, unsigned char byte);

// Visits the text character by character: `ascii(c)` for a byte below 80,
// `sequence(view)` for a valid multi-byte sequence, `other(byte)` for any other byte.
template <class Ascii, class Sequence, class Other>
void forEachCharacter(std::string_view s, Ascii ascii, Sequence sequence, Other other) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ascii(static_cast<char>(c));
            ++i;
        } else if (const std::size_t length = validSequenceAt(s, i)) {
            sequence(s.substr(i, length));
            i += length;
        } else {
            other(c);
            ++i;
        }
    }
}

}  // namespace mirval::utf8
