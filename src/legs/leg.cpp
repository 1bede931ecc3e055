#include "legs/leg.hpp"

#include <cmath>

namespace mirval {

double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double length(const Vec3& a) { return std::sqrt(dot(a, a)); }

void Sym3::addOuter(const Vec3& u, double weight) {
    xx += weight * u[0] * u[0];
    xy += weight * u[0] * u[1];
    xz += weight * u[0] * u[2];
    yy += weight * u[1] * u[1];
    yz += weight * u[1] * u[2];
    zz += weight * u[2] * u[2];
}

void Sym3::add(const Sym3& o) {
    xx += o.xx, xy += o.xy, xz += o.xz, yy += o.yy, yz += o.yz, zz += o.zz;
}

void Sym3::addToDiagonal(double d) {
    xx += d;
    yy += d;
    zz += d;
}

Vec3 Sym3::times(const Vec3& v) const {
    return {xx * v[0] + xy * v[1] + xz * v[2], xy * v[0] + yy * v[1] + yz * v[2], xz * v[0] + yz * v[1] + zz * v[2]};
}

Sym3 Sym3::inverse() const {
    const double cxx = yy * zz - yz * yz;
    const double cxy = xz * yz - xy * zz;
    const double cxz = xy * yz - xz * yy;
    const double det = xx * cxx + xy * cxy + xz * cxz;
    return {cxx / det, cxy / det, cxz / det, (xx * zz - xz * xz) / det, (xy * xz - xx * yz) / det,
            (xx * yy - xy * xy) / det};
}

Leg::Leg(const Store& s, int row) {
    const ShotTable& sh = s.shots;
    azimuth_ = sh.az[row];
    const double a = radians(gridAzimuth(s, sh.az[row]));
    sinA_ = std::sin(a);
    cosA_ = std::cos(a);
    dhor_ = sh.dhor[row];
    offset_ = sh.hcb[row] - sh.hcv[row];
    rise_ = sh.des[row] - offset_;
    sight_ = std::sqrt(dhor_ * dhor_ + rise_ * rise_);
    vector_ = {sinA_ * dhor_, cosA_ * dhor_, sh.des[row]};
}

Vec3 Leg::along() const {
    if (sight_ == 0) return {sinA_, cosA_, 0};
    return {sinA_ * dhor_ / sight_, cosA_ * dhor_ / sight_, rise_ / sight_};
}

double Leg::inclination() const { return sight_ == 0 ? 0 : degrees(std::atan2(rise_, dhor_)); }

Sym3 Leg::covariance(const InstrumentErrors& sd) const {
    if (sight_ == 0) return {};
    const Vec3 u = along();
    const double level = std::sqrt(u[0] * u[0] + u[1] * u[1]);
    const Vec3 across = {cosA_, -sinA_, 0};
    const Vec3 upward = {-u[2] * sinA_, -u[2] * cosA_, level};
    const double sa = dhor_ * radians(sd.azimuth);
    const double si = sight_ * radians(sd.inclination);
    Sym3 c;
    c.addOuter(u, sd.distance * sd.distance);
    c.addOuter(across, sa * sa);
    c.addOuter(upward, si * si);
    return c;
}

Vec3 Leg::withDistance(double distance) const {
    const Vec3 u = along();
    const double dhor = distance * std::sqrt(u[0] * u[0] + u[1] * u[1]);
    return {sinA_ * dhor, cosA_ * dhor, distance * u[2] + offset_};
}

Vec3 Leg::withAzimuth(const Store& s, double azimuth) const {
    const double a = radians(gridAzimuth(s, azimuth));
    return {std::sin(a) * dhor_, std::cos(a) * dhor_, vector_[2]};
}

Vec3 Leg::withInclination(double inclination) const {
    const double c = radians(inclination);
    const double dhor = sight_ * std::cos(c);
    return {sinA_ * dhor, cosA_ * dhor, sight_ * std::sin(c) + offset_};
}

}  // namespace mirval
