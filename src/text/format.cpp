#include "text/format.hpp"

#include "text/fixed_text.hpp"

#include <bit>
#include <cmath>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace mirval::fmt {

namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL};
constexpr int kMaxFastDecimals = 12;

void appendStars(std::string& out, int width) { out.append(static_cast<std::size_t>(width), '*'); }

void appendRightAligned(std::string& out, std::string_view digits, int width) {
    if (static_cast<int>(digits.size()) > width) return appendStars(out, width);
    out.append(static_cast<std::size_t>(width) - digits.size(), ' ');
    out.append(digits);
}

// Writes the unsigned 128-bit integer in decimal into the end of buf; returns the start.
char* writeDigits(char* end, u128 v) {
    if (v <= UINT64_MAX) {
        auto small = static_cast<std::uint64_t>(v);
        do {
            *--end = static_cast<char>('0' + small % 10);
            small /= 10;
        } while (small != 0);
        return end;
    }
    do {
        *--end = static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    } while (v != 0);
    return end;
}

// |value| × 10^decimals rounded half away from zero, computed exactly from the
// binary value. Returns false when the result would not fit 128 bits.
bool scaledMagnitude(double magnitude, int decimals, u128& result) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((1ULL << 52) - 1);
    int shift = -1074;  // magnitude = mantissa · 2^shift
    if (biased != 0) {
        mantissa |= 1ULL << 52;
        shift = biased - 1075;
    }
    const u128 product = static_cast<u128>(mantissa) * kPow10[decimals];  // below 2^93
    if (shift >= 0) {
        if (shift > 127 - 93) return false;
        result = product << shift;
        return true;
    }
    const int right = -shift;
    if (right >= 127) {
        result = 0;  // far below half a unit of the last decimal
        return true;
    }
    const u128 quotient = product >> right;
    const u128 remainder = product & ((static_cast<u128>(1) << right) - 1);
    const u128 half = static_cast<u128>(1) << (right - 1);
    result = quotient + (remainder >= half ? 1 : 0);
    return true;
}

// Digits of a rounded real: sign, integer part, point, decimals. `withZero`
// keeps the "0" before the point of a value below 1.
std::string_view realText(char* buf, std::size_t size, u128 scaled, bool negative, int decimals,
                          bool withZero) {
    char* end = buf + size;
    char* p = end;
    u128 integerPart = scaled;
    if (decimals > 0) {
        const std::uint64_t unit = kPow10[decimals];
        std::uint64_t fractional = 0;
        if (scaled <= UINT64_MAX) {
            const auto small = static_cast<std::uint64_t>(scaled);
            fractional = small % unit;
            integerPart = small / unit;
        } else {
            fractional = static_cast<std::uint64_t>(scaled % unit);
            integerPart = scaled / unit;
        }
        for (int k = 0; k < decimals; ++k) {
            *--p = static_cast<char>('0' + fractional % 10);
            fractional /= 10;
        }
    }
    *--p = '.';
    if (integerPart != 0 || withZero) p = writeDigits(p, integerPart);
    if (negative && scaled != 0) *--p = '-';
    return {p, static_cast<std::size_t>(end - p)};
}

// Decimal text of a value beyond the fast path: magnitudes above 2^86, which are
// integers and cannot tie, or more than 12 decimals, which no layout uses.
std::string slowRealText(double value, int decimals) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s = buf;
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);
    if (decimals == 0) s += '.';
    return s;
}

bool nonFinite(std::string& out, double value, int width) {
    if (std::isfinite(value)) return false;
    const char* text = std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    if (width == 0) out.append(text);
    else appendRightAligned(out, text, width);
    return true;
}

void appendReal(std::string& out, double value, int width, int decimals) {
    if (nonFinite(out, value, width)) return;
    const bool negative = std::signbit(value);
    u128 scaled = 0;
    if (decimals <= kMaxFastDecimals && scaledMagnitude(std::fabs(value), decimals, scaled)) {
        char buf[64];
        std::string_view text = realText(buf, sizeof buf, scaled, negative, decimals, true);
        if (width == 0) return (void)out.append(text);
        if (static_cast<int>(text.size()) > width && scaled < kPow10[decimals]) {
            text = realText(buf, sizeof buf, scaled, negative, decimals, false);  // drop the "0"
        }
        return appendRightAligned(out, text, width);
    }
    const std::string text = slowRealText(value, decimals);
    if (width == 0) out.append(text);
    else appendRightAligned(out, text, width);
}

}  // namespace

void appendI(std::string& out, std::int64_t value, int width) {
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
    appendRightAligned(out, std::string_view(buf, static_cast<std::size_t>(n)), width);
}

void appendI0(std::string& out, std::int64_t value) { out.append(std::to_string(value)); }

void appendIm(std::string& out, std::int64_t value, int width, int minDigits) {
    char buf[40];
    const int n = std::snprintf(buf, sizeof buf, "%s%0*lld", value < 0 ? "-" : "", minDigits,
                                static_cast<long long>(value < 0 ? -value : value));
    appendRightAligned(out, std::string_view(buf, static_cast<std::size_t>(n)), width);
}

void appendF(std::string& out, double value, int width, int decimals) {
    appendReal(out, value, width, decimals);
}

void appendF0(std::string& out, double value, int decimals) { appendReal(out, value, 0, decimals); }

void appendX(std::string& out, int blanks) { out.append(static_cast<std::size_t>(blanks), ' '); }

void appendAw(std::string& out, std::string_view text, int width) {
    const auto w = static_cast<std::size_t>(width);
    const std::string_view kept = cutUtf8(text, w);
    out.append(kept);
    out.append(w - kept.size(), ' ');
}

std::string F(double value, int width, int decimals) {
    std::string s;
    appendF(s, value, width, decimals);
    return s;
}
std::string F0(double value, int decimals) {
    std::string s;
    appendF0(s, value, decimals);
    return s;
}
std::string I(std::int64_t value, int width) {
    std::string s;
    appendI(s, value, width);
    return s;
}
std::string I0(std::int64_t value) { return std::to_string(value); }

}  // namespace mirval::fmt
