// GEOUTM and the Transverse Mercator series, in the order the formulas are written.
#include "geo/projection.hpp"

#include <cmath>

#include "geo/wgs84.hpp"

// Every formula below is evaluated exactly in the order written, powers as
// products; one ulp changes the last digit of a longitude in the KML file.

namespace mirval {

namespace {

constexpr double kArcSecondsPerRadian = 206264.8062470964;
constexpr double kRadiansPerArcSecond = 4.84813681109536e-06;
constexpr double kDegreesPerArcSecond = 0.000277777777778;

// Central meridian of a zone, arc-seconds west-positive (183° − 6°·|zone|).
double centralMeridianWest(double absZone) { return ((30.0 - absZone) * 6.0 + 3.0) * 3600.0; }
double centralMeridianEast(double absZone) { return ((absZone - 30.0) * 6.0 - 3.0) * (-3600.0); }

// The longitude truncated towards zero; values beyond any zone give 0.
int truncatedLongitude(double longitude) {
    if (!(std::fabs(longitude) < 1.0e6)) return 0;
    return static_cast<int>(longitude);
}

int zoneOfLongitude(double longitude) {
    const int whole = truncatedLongitude(longitude);
    return longitude >= 0.0 ? whole / 6 + 31 : whole / 6 + 30;
}

void fillBlock(ProjectionBlock& block, double latitudeOnEntry, int zone) {
    block = ProjectionBlock{};
    block.falseEasting = 500000.0;
    block.falseNorthing = (latitudeOnEntry < 0.0 || zone < 0) ? 10000000.0 : 0.0;
    block.originMeridionalDistance = 0.0;
    block.scaleFactor = 0.9996;
    block.semiMajorAxis = kWgs84SemiMajorAxis;
    block.semiMinorAxis = kWgs84SemiMinorAxis;
    block.eccentricitySquared = kWgs84EccentricitySquared;
}

void makeSouthern(int& zone) {
    if (zone > 0) zone = -zone;
}

void gridToGeographic(double& latitude, double& longitude, double easting, double northing, int zone,
                      ProjectionBlock& block) {
    block.centralMeridian = centralMeridianWest(std::fabs(static_cast<double>(zone)));
    double latitudeSeconds = 0.0;
    double longitudeSeconds = 0.0;
    int error = 0;
    TMINV(northing, easting, latitudeSeconds, longitudeSeconds, block, error);
    latitude = latitudeSeconds * kDegreesPerArcSecond;
    longitude = -(longitudeSeconds * kDegreesPerArcSecond);
}

void geographicToGrid(double latitude, double longitude, double& easting, double& northing, int& zone,
                      ProjectionBlock& block) {
    if (zone == 0) zone = zoneOfLongitude(longitude);
    const double absZone = std::fabs(static_cast<double>(zone));
    if (zone != 0 && absZone <= 30.0) block.centralMeridian = centralMeridianWest(absZone);
    if (absZone > 30.0) block.centralMeridian = centralMeridianEast(absZone);
    const double latitudeSeconds = latitude * 3600.0;
    const double longitudeSeconds = longitude * (-3600.0);
    int error = 0;
    TMFWD(latitudeSeconds, longitudeSeconds, northing, easting, block, error);
}

}  // namespace

void GEOUTM(int mode, double& latitude, double& longitude, double& easting, double& northing, int& zone) {
    ProjectionBlock block;
    fillBlock(block, latitude, zone);
    TMCOF(block);
    if (mode != kGeographicToGrid) {
        gridToGeographic(latitude, longitude, easting, northing, zone, block);
    } else {
        geographicToGrid(latitude, longitude, easting, northing, zone, block);
    }
    if (latitude < 0.0) makeSouthern(zone);
}

void TMCOF(ProjectionBlock& block) {
    const double e2 = block.eccentricitySquared;
    const double n = e2 * (1.0 + e2 * (0.5 + e2 * (0.3125 + e2 * 0.21875))) * 0.25;
    const double n2 = n * n;
    const double n3 = n * n * n;
    const double n4 = n2 * n2;
    const double seventyThirds = 70.0 / 3.0;
    const double oneHundredFiftyOneThirds = 151.0 / 3.0;

    block.u0 = -(n * (3.0 + n * (3.75 + n * (3.25 + n * 3.046875))));
    block.u2 = n2 * (7.5 + n * (seventyThirds + n * 45.46875));
    block.u4 = -(n3 * (seventyThirds + n * 118.125));
    block.u6 = 78.75 * n4;

    block.v0 = n * (3.0 + n * (-5.25 + n * (7.75 - 10.265625 * n)));
    block.v2 = n2 * (10.5 + n * (-oneHundredFiftyOneThirds + n * 157.65625));
    block.v4 = n3 * (oneHundredFiftyOneThirds - 411.375 * n);
    block.v6 = 274.25 * n4;

    block.rectifyingRadius = block.semiMajorAxis * (1 - n) * (1 - n2) * (1 + n2 * (2.25 + 3.515625 * n2));
}

void TMINV(double northing, double easting, double& latitude, double& longitude, const ProjectionBlock& block,
           int& error) {
    const double a = block.semiMajorAxis;
    const double e2 = block.eccentricitySquared;
    const double k0 = block.scaleFactor;
    error = 0;
    const double ex = (block.falseEasting - easting) * 1e-06 / k0;
    if (std::fabs(ex) - a * 2e-07 > 0) {
        error = 1;
        latitude = 0;
        longitude = 0;
        return;
    }
    const double omega = ((northing - block.falseNorthing) / k0 + block.originMeridionalDistance) / block.rectifyingRadius;
    if (std::fabs(omega) - 1.47 > 0) {
        error = 1;
        latitude = 0;
        longitude = 0;
        return;
    }

    double s = std::sin(omega);
    double c = std::cos(omega);
    double c2 = c * c;
    const double phi1 = omega + s * c * (block.v0 + c2 * (block.v2 + c2 * (block.v4 + c2 * block.v6)));

    s = std::sin(phi1);
    c = std::cos(phi1);
    c2 = c * c;
    const double q = std::sqrt(1 - e2 * (s * s)) * 1000000.0 / a;
    const double t = s / c;
    const double tt = t * t;
    const double eta = e2 * c2 / (1 - e2);
    const double p = q / c;

    const double q2 = q * q;
    const double q4 = q2 * q2;
    const double q6 = q4 * q2;
    const double q8 = q4 * q4;
    const double eta2 = eta * eta;
    const double b2 = -((1 + eta) * t * q2 / 2);
    const double b3 = -((1 + eta + 2 * tt) * p * q2 / 6);
    const double b4 = (5 + eta * (6 - 3 * eta) + tt * (3 - 6 * eta - 9 * eta2)) * q4 * t / 24;
    const double b5 = (5 + 6 * eta + tt * (28 + 8 * eta + 24 * tt)) * q4 * p / 120;
    const double b6 = (((45 * eta - 45) * tt + 162 * eta - 90) * tt - 107 * eta - 61) * q6 * t / 720;
    const double b7 = -((61 + tt * (662 + tt * (1320 + 720 * tt))) * q6 * p / 5040);
    const double b8 = (1385 + tt * (3633 + tt * (4095 + 1575 * tt))) * q8 * t / 40320;

    const double e = ex * ex;
    latitude = (phi1 + e * (b2 + e * (b4 + e * (b6 + e * b8)))) * kArcSecondsPerRadian;
    longitude = ex * (p + e * (b3 + e * (b5 + e * b7))) * kArcSecondsPerRadian + block.centralMeridian;
}

void TMFWD(double latitude, double longitude, double& northing, double& easting, const ProjectionBlock& block,
           int& error) {
    const double a = block.semiMajorAxis;
    const double e2 = block.eccentricitySquared;
    const double k0 = block.scaleFactor;
    error = 0;
    if (std::fabs(latitude) - 302400.0 > 0) {
        error = 1;
        northing = 0;
        easting = 0;
        return;
    }
    const double omega = (block.centralMeridian - longitude) * kRadiansPerArcSecond;
    if (std::fabs(omega) - 0.16 > 0) {
        error = 1;
        northing = 0;
        easting = 0;
        return;
    }

    const double phi = latitude * kRadiansPerArcSecond;
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double n = a / std::sqrt(1 - e2 * (s * s));
    const double t = s / c;
    const double tt = t * t;
    const double g = c * c;
    const double eta = e2 * g / (1 - e2);
    const double g2 = g * g;
    const double g3 = g * g * g;
    const double omega2 = omega * omega;

    const double a1 = n * c;
    const double a3 = (1 + eta - tt) * g * a1 / 6;
    const double a5 = (5 + (tt - 18) * tt + (14 - 58 * tt) * eta) * g2 * a1 / 120;
    const double a7 = (61 + (-479 + (179 - tt) * tt) * tt) * g3 * a1 / 5040;
    easting = (a1 + omega2 * (a3 + omega2 * (a5 + omega2 * a7))) * k0 * omega + block.falseEasting;

    const double a2 = g * t * n / 2;
    const double a4 = (5 - tt + eta * (9 + 4 * eta)) * g * a2 / 12;
    const double a6 = (61 + (tt - 58) * tt + (270 - 330 * tt) * eta) * g2 * a2 / 360;
    const double a8 = (1385 + (-3111 + (543 - tt) * tt) * tt) * g3 * a2 / 20160;
    const double arc =
        (phi + s * c * (block.u0 + g * (block.u2 + g * (block.u4 + g * block.u6)))) * block.rectifyingRadius;
    northing = (arc + omega2 * (a2 + omega2 * (a4 + omega2 * (a6 + omega2 * a8))) - block.originMeridionalDistance) *
                   k0 +
               block.falseNorthing;
}

}  // namespace mirval
