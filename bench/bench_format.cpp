// Formats 10 million F10.2 values with the fixed-format layer and with
// snprintf("%10.2f"), in the same run.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "text/format.hpp"

namespace {

template <class F>
double seconds(F&& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    constexpr int kCount = 10'000'000;
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> coordinate(-100000.0, 9999999.0);
    std::vector<double> values(1 << 16);
    for (double& v : values) v = coordinate(random);

    std::string out;
    out.reserve(64 << 20);
    std::size_t checksum = 0;
    const double ours = seconds([&] {
        for (int i = 0; i < kCount; ++i) {
            if (out.size() > (60 << 20)) { checksum += out.size(); out.clear(); }
            mirval::fmt::appendF(out, values[static_cast<std::size_t>(i) & 0xFFFF], 10, 2);
        }
    });
    checksum += out.size();
    out.clear();
    const double libc = seconds([&] {
        char buf[64];
        for (int i = 0; i < kCount; ++i) {
            if (out.size() > (60 << 20)) { checksum += out.size(); out.clear(); }
            const int n = std::snprintf(buf, sizeof buf, "%10.2f", values[static_cast<std::size_t>(i) & 0xFFFF]);
            out.append(buf, static_cast<std::size_t>(n));
        }
    });
    std::printf("F10.2 x %d: fixed-format layer %.3f s, snprintf %.3f s, ratio %.2f (checksum %zu)\n", kCount,
                ours, libc, ours / libc, checksum);
    return 0;
}
