#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "dxf/dxf_number.hpp"
#include "text/format.hpp"

namespace mirval {
namespace {

std::string fast(double value, int width, int decimals) {
    char out[dxf::kMaxRealWidth];
    return std::string(out, dxf::writeReal(out, value, width, decimals));
}

// The fast path must give exactly what the shared fixed-format writer gives.
void expectSame(double value, int width, int decimals) {
    EXPECT_EQ(fast(value, width, decimals), fmt::F(value, width, decimals))
        << "value " << value << " F" << width << "." << decimals;
}

TEST(DxfNumber, MatchesTheFixedFormatWriter) {
    for (double v : {0.0, -0.0, 0.5, -0.5, 0.004999, -0.004, 2.125, -2.125, 0.125, 1.005, 845.5, 612345.678,
                     7712345.674, 9999999.995, 99999.995, -99999.995, 0.3000000119, -0.1732050776, 1e15, -1e300,
                     std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::denorm_min()}) {
        for (auto [w, d] : {std::pair{7, 2}, {10, 2}, {11, 2}, {14, 6}, {3, 2}, {4, 2}, {5, 9}}) expectSame(v, w, d);
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    std::uniform_int_distribution<long long> cents(-1'000'000'000, 1'000'000'000);
    for (int k = 0; k < 200000; ++k) {
        expectSame(coordinate(random), 10, 2);
        expectSame(coordinate(random) * 1e-6, 14, 6);
        // Decimal ties and their neighbours: n.nn5 is never exact in binary.
        const double tie = (static_cast<double>(cents(random)) + 0.5) / 100.0;
        expectSame(tie, 11, 2);
        expectSame(std::nextafter(tie, 0.0), 11, 2);
        expectSame(tie / 10000.0, 14, 6);
    }
}

}  // namespace
}  // namespace mirval
