#include "nav/geodesy.h"

#include <cmath>

namespace wl {

namespace {

// The haversine term. Rounding can push it a hair past 1 for nearly antipodal points, and
// latitudes beyond the poles (a damaged file) can make it negative; either would turn the square
// roots below into NaN.
double Haversine(double phi1, double phi2, double dPhi, double dLambda) {
  const double sl = std::sin(dLambda / 2);
  const double sp = std::sin(dPhi / 2);
  const double a = sl * sl * std::cos(phi2) * std::cos(phi1) + sp * sp;
  if (a > 1) return 1;
  if (a < 0) return 0;
  return a;
}

double CentralAngle(double a) {
  if (a == 1) return kPi;
  return 2 * std::atan(std::sqrt(a) / std::sqrt(1 - a));
}

}  // namespace

double ToRad(int32_t u) { return u * 2.90888208665722e-7; }

double ArcCos(double x) {
  if (std::fabs(std::fabs(x) - 1) <= 1e-7) return x > 0 ? 0 : kPi;
  // Beyond the domain (a course between nearly antipodal points): the nearer limit.
  if (x > 1) return 0;
  if (x < -1) return kPi;
  if (std::isnan(x)) return kPi / 2;
  return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

float GetDist(const PosRec& p1, const PosRec& p2) {
  const double phi1 = ToRad(p1.Lat);
  const double phi2 = ToRad(p2.Lat);
  const double dLambda = ToRad(p1.Lon) - ToRad(p2.Lon);
  const double c = CentralAngle(Haversine(phi1, phi2, phi1 - phi2, dLambda));
  return static_cast<float>(c * kEarthRadius);
}

float GetDistLL(int32_t lon1, int32_t lat1, int32_t lon2, int32_t lat2) {
  return GetDist(PosRec{lat1, lon1}, PosRec{lat2, lon2});
}

float GetCourse(const PosRec& p1, const PosRec& p2) {
  const double phi1 = ToRad(p1.Lat);
  const double phi2 = ToRad(p2.Lat);
  const double lambda1 = ToRad(p1.Lon);
  const double lambda2 = ToRad(p2.Lon);
  const double dPhi = phi1 - phi2;
  const double dLambda = lambda1 - lambda2;

  const double c = CentralAngle(Haversine(phi1, phi2, dPhi, dLambda));
  double A;
  if (c == 0) {
    A = kPi / 2;
  } else {
    A = ArcCos((std::sin(phi2) - std::cos(c) * std::sin(phi1)) / (std::cos(phi1) * std::sin(c)));
  }
  if (std::sin(lambda2 - lambda1) < 0) A = kTwoPi - A;

  if (dLambda == 0) return dPhi <= 0 ? 0.0f : 180.0f;
  return static_cast<float>(A * 180 / kPi);
}

}  // namespace wl
