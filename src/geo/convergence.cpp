// The convergence on the WGS 84 ellipsoid, by the series of the Transverse
// Mercator projection in latitude φ and longitude l from the central meridian
// (Redfearn 1948, Empire Survey Review 9(69); as in the UTM manual, DMA
// TM 8358.2, 1989):
//   γ = l sin φ [1 + (l² cos² φ / 3)(1 + 3η² + 2η⁴) + (l⁴ cos⁴ φ / 15)(2 − tan² φ)]
// with η² = e'² cos² φ. It follows the meridians of the program's own
// projection to 10⁻⁷ degrees inside a zone and its margins.
#include "geo/convergence.hpp"

#include <cmath>
#include <numbers>

#include "geo/wgs84.hpp"

namespace mirval {

double centralMeridian(int zone) { return 6.0 * std::fabs(static_cast<double>(zone)) - 183.0; }

double gridConvergence(double latitude, double longitude, int zone) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    constexpr double kSecondEccentricitySquared = kWgs84EccentricitySquared / (1.0 - kWgs84EccentricitySquared);
    const double phi = latitude * kRadiansPerDegree;
    const double l = std::remainder(longitude - centralMeridian(zone), 360.0) * kRadiansPerDegree;
    const double c2 = std::cos(phi) * std::cos(phi);
    const double eta2 = kSecondEccentricitySquared * c2;
    const double t2 = std::tan(phi) * std::tan(phi);
    const double l2c2 = l * l * c2;
    const double series = 1.0 + l2c2 / 3.0 * (1.0 + 3.0 * eta2 + 2.0 * eta2 * eta2) + l2c2 * l2c2 / 15.0 * (2.0 - t2);
    return l * std::sin(phi) * series / kRadiansPerDegree;
}

}  // namespace mirval
