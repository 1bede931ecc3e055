// The IGRF main-field synthesis.
//
// The field is B = −∇V of the potential (Alken et al. 2021, "International
// Geomagnetic Reference Field: the thirteenth generation", Earth Planets Space
// 73:49)
//   V(r, θ, φ) = a Σn=1..N (a/r)^(n+1) Σm=0..n (g_n^m cos mφ + h_n^m sin mφ) P_n^m(cos θ)
// with a = 6371.2 km, θ the geocentric colatitude and P_n^m the Schmidt
// semi-normalised associated Legendre functions. Its components (north X,
// east Y, down Z; Langel 1987, "The main field", in J. A. Jacobs (ed.),
// Geomagnetism, vol. 1, Academic Press):
//   X =  Σ (a/r)^(n+2) Σ (g cos mφ + h sin mφ) dP_n^m/dθ
//   Y =  Σ (a/r)^(n+2) Σ m (g sin mφ − h cos mφ) P_n^m / sin θ
//   Z = −Σ (n+1) (a/r)^(n+2) Σ (g cos mφ + h sin mφ) P_n^m
// The functions by the usual recursions in n, with P_0^0 = 1:
//   P_n^n = sqrt((2n−1)/2n) sin θ P_(n−1)^(n−1)    (P_1^1 = sin θ)
//   P_n^m = ((2n−1) cos θ P_(n−1)^m − sqrt((n−1)² − m²) P_(n−2)^m) / sqrt(n² − m²)
// and their θ-derivatives by differentiating both. A geodetic place is taken
// to the sphere on WGS 84 first, and the components turned back to the
// ellipsoid's north and normal, as the IGRF's own synthesis does.
#include "geo/magnetic_field.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>

#include "geo/wgs84.hpp"

namespace mirval {

namespace {

constexpr int kEpochCount = 26;  // 1900.0 to 2025.0
constexpr int kMaxDegree = 13;
constexpr double kReferenceRadius = 6371200.0;  // metres
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// One line of the IAGA table: a g or h coefficient (nT) at every epoch and
// its yearly change after the last.
struct TableRow {
    char kind;
    int degree, order;
    double atEpoch[kEpochCount];
    double perYear;
};

#include "igrf_coefficients.inc"

static_assert(std::size(kEpochYears) == kEpochCount);

constexpr bool tableFitsTheSynthesis() {
    for (const TableRow& row : kTableRows) {
        if (row.degree < 1 || row.degree > kMaxDegree || row.order < 0 || row.order > row.degree) return false;
    }
    return true;
}
static_assert(tableFitsTheSynthesis());

// Indexed [n][m].
using Harmonics = std::array<std::array<double, kMaxDegree + 1>, kMaxDegree + 1>;

struct Coefficients {
    Harmonics g{}, h{};
};

Coefficients coefficientsAt(double year) {
    constexpr int last = kEpochCount - 1;
    int epoch = 0;
    while (epoch + 1 < last && year >= kEpochYears[epoch + 1]) ++epoch;
    const bool afterLast = year >= kEpochYears[last];
    const double share = (year - kEpochYears[epoch]) / (kEpochYears[epoch + 1] - kEpochYears[epoch]);
    Coefficients c;
    for (const TableRow& row : kTableRows) {
        const double value = afterLast ? row.atEpoch[last] + row.perYear * (year - kEpochYears[last])
                                       : row.atEpoch[epoch] + (row.atEpoch[epoch + 1] - row.atEpoch[epoch]) * share;
        (row.kind == 'g' ? c.g : c.h)[row.degree][row.order] = value;
    }
    return c;
}

// P_n^m(cos θ) and dP_n^m/dθ.
struct Legendre {
    Harmonics p{}, dp{};
};

Legendre legendreFunctions(double cosTheta, double sinTheta) {
    Legendre l;
    l.p[0][0] = 1.0;
    for (int n = 1; n <= kMaxDegree; ++n) {
        for (int m = 0; m < n; ++m) {
            const double norm = std::sqrt(static_cast<double>(n * n - m * m));
            const double twoBack = n >= 2 ? std::sqrt(static_cast<double>((n - 1) * (n - 1) - m * m)) : 0.0;
            const double p2 = n >= 2 ? l.p[n - 2][m] : 0.0;
            const double dp2 = n >= 2 ? l.dp[n - 2][m] : 0.0;
            l.p[n][m] = ((2 * n - 1) * cosTheta * l.p[n - 1][m] - twoBack * p2) / norm;
            l.dp[n][m] = ((2 * n - 1) * (cosTheta * l.dp[n - 1][m] - sinTheta * l.p[n - 1][m]) - twoBack * dp2) / norm;
        }
        const double f = n == 1 ? 1.0 : std::sqrt((2.0 * n - 1.0) / (2.0 * n));
        l.p[n][n] = f * sinTheta * l.p[n - 1][n - 1];
        l.dp[n][n] = f * (cosTheta * l.p[n - 1][n - 1] + sinTheta * l.dp[n - 1][n - 1]);
    }
    return l;
}

// The sums, in the sphere's frame; latitude and longitude in radians.
FieldVector sphericalSynthesis(const Coefficients& c, double latitude, double longitude, double radius) {
    const double cosTheta = std::sin(latitude);
    // At the poles, where the declination means nothing, the east component comes out 0.
    const double sinTheta = std::max(std::cos(latitude), 1e-12);
    const Legendre l = legendreFunctions(cosTheta, sinTheta);
    FieldVector b;
    double east = 0.0;
    const double ratio = kReferenceRadius / radius;
    double scale = ratio * ratio;
    for (int n = 1; n <= kMaxDegree; ++n) {
        scale *= ratio;
        for (int m = 0; m <= n; ++m) {
            const double cosM = std::cos(m * longitude);
            const double sinM = std::sin(m * longitude);
            const double along = c.g[n][m] * cosM + c.h[n][m] * sinM;
            b.north += scale * along * l.dp[n][m];
            east += scale * m * (c.g[n][m] * sinM - c.h[n][m] * cosM) * l.p[n][m];
            b.down -= scale * (n + 1) * along * l.p[n][m];
        }
    }
    b.east = east / sinTheta;
    return b;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

}  // namespace

double FieldVector::horizontal() const { return std::hypot(north, east); }

double FieldVector::declination() const { return std::atan2(east, north) / kRadiansPerDegree; }

double FieldVector::inclination() const { return std::atan2(down, horizontal()) / kRadiansPerDegree; }

bool isCalendarDay(int day, int month, int year) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(month, year);
}

double decimalYear(int day, int month, int year) {
    int daysBefore = day - 1;
    for (int m = 1; m < month; ++m) daysBefore += daysInMonth(m, year);
    return year + daysBefore / (isLeapYear(year) ? 366.0 : 365.0);
}

FieldVector mainField(double year, const GeocentricPlace& place) {
    return sphericalSynthesis(coefficientsAt(year), place.latitude * kRadiansPerDegree,
                              place.longitude * kRadiansPerDegree, place.radius);
}

FieldVector mainField(double year, const GeodeticPlace& place) {
    const double phi = place.latitude * kRadiansPerDegree;
    const double e2 = kWgs84EccentricitySquared;
    const double normal = kWgs84SemiMajorAxis / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
    const double rho = (normal + place.height) * std::cos(phi);
    const double z = (normal * (1.0 - e2) + place.height) * std::sin(phi);
    const double psi = std::atan2(z, rho);
    const FieldVector b =
        sphericalSynthesis(coefficientsAt(year), psi, place.longitude * kRadiansPerDegree, std::hypot(rho, z));
    const double tilt = phi - psi;
    return {b.north * std::cos(tilt) + b.down * std::sin(tilt), b.east,
            b.down * std::cos(tilt) - b.north * std::sin(tilt)};
}

}  // namespace mirval
