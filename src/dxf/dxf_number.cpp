#include "dxf/dxf_number.hpp"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "text/format.hpp"

namespace mirval::dxf {

namespace {

constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr int kMaxDecimals = 9;
constexpr double kMaxScaled = 4503599627370496.0;  // 2^52: below it p - floor(p) is exact

constexpr char kBlanks[kMaxRealWidth] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                         ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                         ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// |value| × 10^decimals rounded half away from zero, when the double product
// decides it: the product lies within one unit in its last place of the exact
// one, so unless it is that close to a half the rounding of both agrees.
bool roundedMagnitude(double value, int decimals, std::uint64_t& result) {
    const double product = std::fabs(value) * kPow10[decimals];
    if (!(product < kMaxScaled)) return false;  // also NaN and infinity
    const auto whole = static_cast<std::int64_t>(product);  // truncation: the floor of a magnitude
    const double fraction = product - static_cast<double>(whole);
    const double ulpBound = product * 0x1p-51;
    if (std::fabs(fraction - 0.5) <= ulpBound) return false;
    result = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

void writePair(char* p, std::uint64_t twoDigits) { std::memcpy(p, kDigitPairs + 2 * twoDigits, 2); }

constexpr std::uint64_t kPowers[] = {1ULL,           10ULL,           100ULL,           1000ULL,
                                     10000ULL,       100000ULL,       1000000ULL,       10000000ULL,
                                     100000000ULL,   1000000000ULL,   10000000000ULL,   100000000000ULL,
                                     1000000000000ULL, 10000000000000ULL, 100000000000000ULL,
                                     1000000000000000ULL, 10000000000000000ULL, 100000000000000000ULL,
                                     1000000000000000000ULL, 10000000000000000000ULL};

// Decimal digits of v (1 for 0): estimated from its bit length, then corrected.
int digitCount(std::uint64_t v) {
    const std::uint64_t nonZero = v | 1;
    const int estimate = (std::bit_width(nonZero) * 1233) >> 12;  // 1233 / 4096 ≈ log10(2)
    return estimate + (nonZero >= kPowers[estimate] ? 1 : 0);
}

// Writes the digits of `v` so that they end just before `end`; `count` is
// digitCount(v) or more (leading zeros).
void digitsBefore(char* end, std::uint64_t v, int count) {
    for (; count >= 2; count -= 2) {
        end -= 2;
        writePair(end, v % 100);
        v /= 100;
    }
    if (count == 1) end[-1] = static_cast<char>('0' + v % 10);
}

// Fw.d of a magnitude already scaled by unit = 10^d and rounded; false when it
// needs more than w columns. Inlined so that the common units are constants.
[[gnu::always_inline]] inline bool field(char* out, int width, std::uint64_t scaled, bool negative, int decimals,
                                         std::uint64_t unit) {
    const std::uint64_t whole = scaled / unit;
    const int wholeDigits = digitCount(whole);
    const int length = (negative ? 1 : 0) + wholeDigits + 1 + decimals;
    if (length > width) return false;
    std::memcpy(out, kBlanks, sizeof kBlanks);  // one fixed-size store; the digits overwrite its end
    char* end = out + width;
    digitsBefore(end, scaled % unit, decimals);
    end[-decimals - 1] = '.';
    digitsBefore(end - decimals - 1, whole, wholeDigits);
    if (negative) end[-length] = '-';
    return true;
}

bool anyField(char* out, int width, int decimals, std::uint64_t scaled, bool negative) {
    switch (decimals) {  // the decimals of the DXF layouts
        case 2: return field(out, width, scaled, negative, 2, 100);
        case 6: return field(out, width, scaled, negative, 6, 1000000);
        default: return field(out, width, scaled, negative, decimals, static_cast<std::uint64_t>(kPow10[decimals]));
    }
}

std::size_t exactReal(char* out, double value, int width, int decimals) {
    std::string text;
    fmt::appendF(text, value, width, decimals);
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

}  // namespace

std::size_t writeReal(char* out, double value, int width, int decimals) {
    std::uint64_t scaled = 0;
    if (decimals >= 0 && decimals <= kMaxDecimals && roundedMagnitude(value, decimals, scaled) &&
        anyField(out, width, decimals, scaled, value < 0 && scaled != 0)) {
        return static_cast<std::size_t>(width);
    }
    return exactReal(out, value, width, decimals);  // undecided, a dropped "0" or asterisks
}

}  // namespace mirval::dxf
