// Fixed-format numbers: exact rounding from the binary value, fields and asterisks.
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
constexpr std::uint64_t kPow10Wide[] = {1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL,
                                        10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL,
                                        100000000000ULL, 1000000000000ULL, 10000000000000ULL,
                                        100000000000000ULL, 1000000000000000ULL, 10000000000000000ULL,
                                        100000000000000000ULL, 1000000000000000000ULL,
                                        10000000000000000000ULL};


void appendStars(std::string& out, int width) { out.append(static_cast<std::size_t>(width), '*'); }

void appendRightAligned(std::string& out, std::string_view digits, int width) {
    if (static_cast<int>(digits.size()) > width) return appendStars(out, width);
    out.append(static_cast<std::size_t>(width) - digits.size(), ' ');
    out.append(digits);
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

constexpr char kBlankField[kMaxFieldWidth] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                              ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                              ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes exactly `count` digits of v (leading zeros included) ending just before `end`.
void digitsBefore(char* end, std::uint64_t small, int count) {
    for (; count >= 2; count -= 2) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (small % 100), 2);
        small /= 100;
    }
    if (count == 1) end[-1] = static_cast<char>('0' + small % 10);
}

void digitsBefore(char* end, u128 v, int count) {
    for (; count > 0 && v > UINT64_MAX; --count) {  // beyond 64 bits: only huge values of F0.d
        *--end = static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    }
    digitsBefore(end, static_cast<std::uint64_t>(v), count);
}

int digitCount(std::uint64_t v) {
    const std::uint64_t nonZero = v | 1;
    const int estimate = (std::bit_width(nonZero) * 1233) >> 12;  // 1233 / 4096 is about log10(2)
    return estimate + (nonZero >= kPow10Wide[estimate] ? 1 : 0);
}

int digitCount(u128 v) {
    int beyond64Bits = 0;
    for (; v > UINT64_MAX; v /= 10) ++beyond64Bits;
    return beyond64Bits + digitCount(static_cast<std::uint64_t>(v));
}

// The rounded value `scaled` (in units of the last decimal) right-aligned in
// out[0..width): sign, integer part, point, decimals; the "0" before the point
// of a value below 1 only when there is room. False when it does not fit.
template <class Scaled>
[[gnu::always_inline]] inline bool writeFieldIn(char* out, int width, Scaled scaled, bool negative, int decimals,
                                               std::uint64_t unit) {
    Scaled whole = 0;
    std::uint64_t fraction = 0;
    if (scaled <= UINT64_MAX) {
        const auto small = static_cast<std::uint64_t>(scaled);
        whole = small / unit;
        fraction = small % unit;
    } else {
        whole = scaled / unit;
        fraction = static_cast<std::uint64_t>(scaled % unit);
    }
    const int wholeDigits = digitCount(whole);
    int length = (negative ? 1 : 0) + wholeDigits + 1 + decimals;
    bool withZero = true;
    if (length > width) {
        if (whole != 0 || length - 1 > width) return false;
        withZero = false;
        --length;
    }
    if (width <= kMaxFieldWidth) {
        std::memcpy(out, kBlankField, kMaxFieldWidth);  // one fixed-size store; the digits overwrite its end
    } else {
        std::memset(out, ' ', static_cast<std::size_t>(width - length));
    }
    char* end = out + width;
    digitsBefore(end, fraction, decimals);
    end -= decimals;
    *--end = '.';
    if (withZero) digitsBefore(end, whole, wholeDigits);
    if (negative) out[width - length] = '-';
    return true;
}

bool writeField(char* out, int width, u128 scaled, bool negative, int decimals) {
    switch (decimals) {  // the decimals most layouts use, with their unit a constant
        case 2: return writeFieldIn(out, width, scaled, negative, 2, 100);
        case 6: return writeFieldIn(out, width, scaled, negative, 6, 1000000);
        default: return writeFieldIn(out, width, scaled, negative, decimals, kPow10[decimals]);
    }
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

// F0.d of a finite value into out (room for kMaxF0Width bytes); returns its length.
std::size_t writeFiniteF0(char* out, double value, int decimals) {
    u128 scaled = 0;
    if (decimals <= kMaxFastDecimals && scaledMagnitude(std::fabs(value), decimals, scaled)) {
        const bool negative = std::signbit(value) && scaled != 0;
        const int length = (negative ? 1 : 0) + digitCount(scaled / kPow10[decimals]) + 1 + decimals;
        writeField(out, length, scaled, negative, decimals);
        return static_cast<std::size_t>(length);
    }
    const std::string text = slowRealText(value, decimals);
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

std::string realTextF0(double value, int decimals) {
    char buf[kMaxF0Width];
    return std::string(buf, writeFiniteF0(buf, value, decimals));
}

// The common fields without 128-bit division: |value| × 10^decimals rounded half
// away from zero, exactly as scaledMagnitude does, for up to 3 decimals below
// 2^52 (in 64 bits) and up to 6 decimals below 2^42. False for anything else
// (and for what is no finite number).
bool smallScaledMagnitude(double magnitude, int decimals, std::uint64_t& result) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t mantissa = biased == 0 ? bits & ((1ULL << 52) - 1) : (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int right = biased == 0 ? 1074 : 1075 - biased;
    if (decimals <= 3 && right > 0) {
        const std::uint64_t product = mantissa * kPow10[decimals];  // below 2^63
        result = right >= 64 ? 0 : (product + (1ULL << (right - 1))) >> right;
        return true;
    }
    if (decimals <= 6 && right > 10) {
        const u128 product = static_cast<u128>(mantissa) * kPow10[decimals];  // below 2^73
        result = right >= 80 ? 0 : static_cast<std::uint64_t>((product + (static_cast<u128>(1) << (right - 1))) >> right);
        return true;
    }
    return false;  // large, infinite or NaN
}

template <int Decimals>
bool writeSmallField(char* out, int width, std::uint64_t scaled, bool negative) {
    return writeFieldIn(out, width, scaled, negative, Decimals, kPow10[Decimals]);
}

// A common field in out[0..width); false when it does not fit.
bool writeSmall(char* out, int width, std::uint64_t scaled, bool negative, int decimals) {
    switch (decimals) {
        case 0: return writeSmallField<0>(out, width, scaled, negative);
        case 1: return writeSmallField<1>(out, width, scaled, negative);
        case 2: return writeSmallField<2>(out, width, scaled, negative);
        case 3: return writeSmallField<3>(out, width, scaled, negative);
        case 4: return writeSmallField<4>(out, width, scaled, negative);
        case 5: return writeSmallField<5>(out, width, scaled, negative);
        default: return writeSmallField<6>(out, width, scaled, negative);
    }
}

}  // namespace

std::size_t writeF(char* out, double value, int width, int decimals) {
    std::uint64_t small = 0;
    if (width <= kMaxFieldWidth && smallScaledMagnitude(std::fabs(value), decimals, small)) {
        if (!writeSmall(out, width, small, std::signbit(value) && small != 0, decimals)) {
            std::memset(out, '*', static_cast<std::size_t>(width));
        }
        return static_cast<std::size_t>(width);
    }
    u128 scaled = 0;
    if (std::isfinite(value) && decimals <= kMaxFastDecimals && width <= kMaxFieldWidth &&
        scaledMagnitude(std::fabs(value), decimals, scaled)) {
        const bool negative = std::signbit(value) && scaled != 0;
        if (!writeField(out, width, scaled, negative, decimals)) {
            std::memset(out, '*', static_cast<std::size_t>(width));
        }
        return static_cast<std::size_t>(width);
    }
    std::string text;
    if (!nonFinite(text, value, width)) appendRightAligned(text, slowRealText(value, decimals), width);
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

std::size_t writeF0(char* out, double value, int decimals) {
    if (std::isfinite(value)) return writeFiniteF0(out, value, decimals);
    const std::string_view text = std::isnan(value) ? "NaN" : (value > 0 ? "Infinity" : "-Infinity");
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

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
    if (width > kMaxFieldWidth) {
        if (!nonFinite(out, value, width)) appendRightAligned(out, realTextF0(value, decimals), width);
        return;
    }
    char buf[kMaxFieldWidth];
    out.append(buf, writeF(buf, value, width, decimals));
}

void appendF0(std::string& out, double value, int decimals) {
    if (!nonFinite(out, value, 0)) out.append(realTextF0(value, decimals));
}

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
