#pragma once
// A square grid of N x N stations about 10 m apart, each joined to its east and
// north neighbours, its readings drawn with exactly the standard deviations of
// the default error model: 0.05 m along the line of sight, 0.5 degrees in
// azimuth and in inclination. 2N(N - 1) lines, (N - 1)^2 loops. Station
// (row, column) is named P<row * N + column + 1>: P1, the initial station, is
// the south-west corner. The normal deviates are made here (Box and Muller) from
// the standard Mersenne twister, so that one seed gives one grid everywhere.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mirval::bench {

struct GridReading {
    std::string base, sighted;
    double distance = 0, azimuth = 0, inclination = 0;  // metres and degrees
};

class Normal {
public:
    explicit Normal(std::uint32_t seed) : random_(seed) {}
    double uniform() { return (static_cast<double>(random_()) + 0.5) / 4294967296.0; }
    double operator()() {
        const double pi = 3.14159265358979323846;
        return std::sqrt(-2 * std::log(uniform())) * std::cos(2 * pi * uniform());
    }

private:
    std::mt19937 random_;
};

inline std::vector<GridReading> simulatedGrid(int side, std::uint32_t seed) {
    constexpr double kDegree = 3.14159265358979323846 / 180;
    constexpr double kSdDistance = 0.05, kSdAngle = 0.5;
    Normal normal(seed);
    struct Place {
        double x, y, z;
    };
    std::vector<Place> places;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            places.push_back({10.0 * column + 4 * normal.uniform() - 2, 10.0 * row + 4 * normal.uniform() - 2,
                              3 * normal.uniform() - 1.5});
        }
    }
    const auto name = [&](int index) { return "P" + std::to_string(index + 1); };
    std::vector<GridReading> readings;
    const auto survey = [&](int from, int to) {
        const Place& a = places[static_cast<std::size_t>(from)];
        const Place& b = places[static_cast<std::size_t>(to)];
        const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
        const double level = std::hypot(dx, dy);
        double azimuth = std::atan2(dx, dy) / kDegree + kSdAngle * normal();
        if (azimuth < 0) azimuth += 360;
        readings.push_back({name(from), name(to), std::hypot(level, dz) + kSdDistance * normal(), azimuth,
                            std::atan2(dz, level) / kDegree + kSdAngle * normal()});
    };
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const int here = row * side + column;
            if (column + 1 < side) survey(here, here + 1);
            if (row + 1 < side) survey(here, here + side);
        }
    }
    return readings;
}

}  // namespace mirval::bench
