#pragma once
// The leg model: a survey line as the vector its readings give, from its base
// to its sighted station, with the covariance its readings' errors give that
// vector. The reduction, the loop closures and the network adjustment take
// their shots from here, and every azimuth its turn to the grid.
#include <array>

#include "store/instrument_errors.hpp"
#include "store/store.hpp"

namespace mirval {

using Vec3 = std::array<double, 3>;  // east, north, up

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline Vec3 operator*(double k, const Vec3& a) { return {k * a[0], k * a[1], k * a[2]}; }
double dot(const Vec3& a, const Vec3& b);
double length(const Vec3& a);

// A symmetric 3x3 matrix.
struct Sym3 {
    double xx = 0, xy = 0, xz = 0, yy = 0, yz = 0, zz = 0;

    void addOuter(const Vec3& u, double weight);
    void add(const Sym3& o);
    void addToDiagonal(double d);
    double trace() const { return xx + yy + zz; }
    Vec3 times(const Vec3& v) const;
    double quadratic(const Vec3& v) const { return dot(v, times(v)); }
    Sym3 inverse() const;
};

// The program's angle conversions, with its single-precision pi.
inline double radians(double degrees) { return degrees * kPi / 180; }
inline double degrees(double radians) { return radians * 180 / kPi; }

// An azimuth as read, turned to the grid by the run's azimuth correction.
inline double gridAzimuth(const Store& s, double azimuth) { return azimuth + s.azimuthCorrection; }

// Row `row` as the reduction computes it, base to sighted station: DHOR along
// the grid azimuth, DES up. DES holds the instrument heights HcB - HcV besides
// the rise of the line of sight.
class Leg {
public:
    Leg(const Store& s, int row);

    double azimuth() const { return azimuth_; }  // as read
    double horizontal() const { return dhor_; }
    double sight() const { return sight_; }  // length of the line of sight
    const Vec3& vector() const { return vector_; }
    // Unit vector of the line of sight; level along the azimuth for a zero shot.
    Vec3 along() const;
    double inclination() const;  // of the line of sight, degrees

    // The covariance of the vector: the distance's error along the line of
    // sight, the azimuth's across it in the horizontal plane (by the
    // horizontal distance times the angle), the inclination's across it in its
    // vertical plane (by the sight length times the angle). A line of zero
    // length joins two names of one point: it has none.
    Sym3 covariance(const InstrumentErrors& sd) const;

    // The vector with one reading replaced, computed the reduction's way.
    Vec3 withDistance(double distance) const;
    Vec3 withAzimuth(const Store& s, double azimuth) const;
    Vec3 withInclination(double inclination) const;

private:
    double azimuth_ = 0;
    double sinA_ = 0, cosA_ = 0;
    double dhor_ = 0, rise_ = 0, offset_ = 0;
    double sight_ = 0;
    Vec3 vector_{};
};

}  // namespace mirval
