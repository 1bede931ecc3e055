// Fixed-format numbers against their exact decimal expansion.
#include "text/format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

using mirval::fmt::F;
using mirval::fmt::F0;
using mirval::fmt::I;
using mirval::fmt::Record;

TEST(FixedFormat, RoundsExactBinaryValueHalvesAwayFromZero) {
    EXPECT_EQ(F(2.125, 5, 2), " 2.13");    // exactly representable tie
    EXPECT_EQ(F(-2.125, 5, 2), "-2.13");
    EXPECT_EQ(F(2.675, 5, 2), " 2.67");    // binary value lies below the tie
    EXPECT_EQ(F(0.125, 4, 2), "0.13");
    EXPECT_EQ(F(1.005, 5, 2), " 1.00");    // 1.00499999999999989...
    EXPECT_EQ(F(0.5, 3, 0), " 1.");        // F3.0 keeps its point
    EXPECT_EQ(F(0.4000000119, 14, 6), "      0.400000");
    EXPECT_EQ(F(0.4000000059604645, 14, 6), "      0.400000");
}

TEST(FixedFormat, NeverWritesNegativeZero) {
    EXPECT_EQ(F(-0.001, 5, 2), " 0.00");
    EXPECT_EQ(F(-0.0, 14, 6), "      0.000000");
    EXPECT_EQ(F(-0.004999, 4, 2), "0.00");
    EXPECT_EQ(F0(-0.0001, 2), "0.00");
    EXPECT_EQ(F(-0.005, 5, 2), "-0.01");  // -0.005000000000000000104... rounds away
}

TEST(FixedFormat, LeadingZeroOnlyWhenThereIsRoom) {
    EXPECT_EQ(F(0.5, 5, 2), " 0.50");
    EXPECT_EQ(F(0.5, 4, 2), "0.50");
    EXPECT_EQ(F(0.5, 3, 2), ".50");
    EXPECT_EQ(F(-0.5, 4, 2), "-.50");
    EXPECT_EQ(F(-0.5, 3, 2), "***");
}

TEST(FixedFormat, ValuesAtTheEdgeOfTheirWidth) {
    EXPECT_EQ(F(7712345.674, 10, 2), "7712345.67");
    EXPECT_EQ(F(612345.678, 10, 2), " 612345.68");
    EXPECT_EQ(F(-612345.678, 10, 2), "-612345.68");
    EXPECT_EQ(F(-7712345.674, 10, 2), "**********");
    EXPECT_EQ(F(9999.995, 7, 2), "*******");  // rounds up to 10000.00
    EXPECT_EQ(F(999.994, 6, 2), "999.99");
    EXPECT_EQ(F(-100000000.0, 11, 2), "***********");
    EXPECT_EQ(F(1e300, 15, 6), "***************");
    EXPECT_EQ(F(-21.5, 4, 1), "****");
    EXPECT_EQ(F(-9999.990234375, 8, 2), "-9999.99");
}

TEST(FixedFormat, MinimalWidthReals) {
    EXPECT_EQ(F0(0.5, 2), "0.50");
    EXPECT_EQ(F0(-43.5, 10), "-43.5000000000");
    EXPECT_EQ(F0(812.3, 2), "812.30");
    EXPECT_EQ(F0(-20.2499999706, 10), "-20.2499999706");
    EXPECT_EQ(F0(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(F0(1e30, 1), "1000000000000000019884624838656.0");
}

TEST(FixedFormat, NotANumberAndInfinity) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(F(std::nan(""), 6, 2), "   NaN");
    EXPECT_EQ(F(inf, 10, 2), "  Infinity");
    EXPECT_EQ(F(-inf, 10, 2), " -Infinity");
    EXPECT_EQ(F(-inf, 5, 2), "*****");
}

TEST(FixedFormat, Integers) {
    EXPECT_EQ(I(7, 4), "   7");
    EXPECT_EQ(I(-23, 3), "-23");
    EXPECT_EQ(I(12345, 4), "****");
    EXPECT_EQ(mirval::fmt::I0(-23), "-23");
    EXPECT_EQ(Record().im(5, 2, 2).str(), "05");
    EXPECT_EQ(Record().im(23, 2, 2).str(), "23");
    EXPECT_EQ(Record().im(123, 2, 2).str(), "**");
}

TEST(FixedFormat, RecordsChainItemsInLayoutOrder) {
    const Record r = Record().a("COOR INICIO=").f(612345.67, 11, 3).x(2).aw("abc", 5).a("|").aw("abcdef", 4);
    EXPECT_EQ(r.str(), "COOR INICIO= 612345.670  abc  |abcd");
}

TEST(FixedFormat, TextFieldsCutWithoutSplittingCharacters) {
    // "ã" is two bytes: a cut inside it drops the whole character and pads
    EXPECT_EQ(Record().aw("São", 2).str(), "S ");
    EXPECT_EQ(Record().aw("São", 3).str(), "Sã");
    EXPECT_EQ(Record().aw("S\xF5o", 2).str(), "S\xF5");  // Latin-1 "õ" is no lead byte: cut at the width
}

namespace {

// Independent reference: glibc prints the exact decimal expansion of a double
// when asked for enough digits; round that text half away from zero.
std::string referenceF0(double value, int decimals) {
    char buf[1200];
    std::snprintf(buf, sizeof buf, "%.1074f", std::fabs(value));
    std::string digits = buf;
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, static_cast<std::size_t>(decimals));
    const bool roundUp = digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    if (roundUp) {
        int k = static_cast<int>(kept.size()) - 1;
        while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') kept[static_cast<std::size_t>(k--)] = '0';
        if (k < 0) kept.insert(kept.begin(), '1');
        else ++kept[static_cast<std::size_t>(k)];
    }
    std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    std::string text = (integer.empty() ? "0" : integer) + "." + kept.substr(integer.size());
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(value) && !zero ? "-" : "") + text;
}

}  // namespace

TEST(FixedFormat, AgreesWithExactDecimalExpansion) {
    std::uint64_t state = 88172645463325252ULL;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int n = 0; n < 20000; ++n) {
        const int decimals = static_cast<int>(next() % 11);
        const double magnitude = std::ldexp(static_cast<double>(next() >> 11), static_cast<int>(next() % 80) - 80);
        // ties at the last decimal too: k / 2 / 10^d
        const double tie = static_cast<double>(next() % 2000001) / 2.0 / std::pow(10.0, decimals % 4);
        for (double v : {magnitude, -magnitude, tie, -tie}) {
            const std::string reference = referenceF0(v, decimals);
            ASSERT_EQ(F0(v, decimals), reference) << v << " " << decimals;
            if (reference.size() <= 24) {
                ASSERT_EQ(F(v, 24, decimals), std::string(24 - reference.size(), ' ') + reference) << v;
            }
        }
    }
}
