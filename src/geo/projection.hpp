#pragma once
// UTM <-> geographic conversion on the WGS 84 ellipsoid: Transverse Mercator
// by power series. Inside the TM procedures angles are arc-seconds and
// longitudes are positive towards the west; GEOUTM converts at its boundary
// to decimal degrees, north and east positive.

namespace mirval {

// Parameter block of one projection, rebuilt on every GEOUTM call.
struct ProjectionBlock {
    double u0 = 0, u2 = 0, u4 = 0, u6 = 0;  // meridian-arc coefficients
    double falseEasting = 0;
    double falseNorthing = 0;
    double originMeridionalDistance = 0;
    double scaleFactor = 0;
    double centralMeridian = 0;  // arc-seconds, west-positive
    double rectifyingRadius = 0;
    double v0 = 0, v2 = 0, v4 = 0, v6 = 0;  // footpoint-latitude coefficients
    double semiMajorAxis = 0;
    double eccentricitySquared = 0;
    double semiMinorAxis = 0;
};

inline constexpr int kGeographicToGrid = 1;
inline constexpr int kGridToGeographic = 2;

// mode 1: latitude/longitude (degrees) -> easting/northing (metres);
// any other mode: easting/northing -> latitude/longitude.
// The hemisphere follows the latitude held on entry and the zone sign; the
// zone is rewritten negative after a southern latitude, and a zone of 0 is
// derived from the longitude in mode 1. Rejected points come out as zeros.
void GEOUTM(int mode, double& latitude, double& longitude, double& easting, double& northing, int& zone);

// Completes the block from a, e² and b.
void TMCOF(ProjectionBlock& block);

// Grid to geographic; latitude and longitude out in arc-seconds (west-positive).
void TMINV(double northing, double easting, double& latitude, double& longitude, const ProjectionBlock& block,
           int& error);

// Geographic to grid; latitude and longitude in arc-seconds (west-positive).
void TMFWD(double latitude, double longitude, double& northing, double& easting, const ProjectionBlock& block,
           int& error);

}  // namespace mirval
