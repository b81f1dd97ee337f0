#pragma once
// Great-circle distance and course on a sphere of radius 6,367,000 m. Positions are in 1/60000
// degree. Results are 32-bit floats as the callers store them.
#include <cstdint>

#include "track/track_rec.h"

namespace wl {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kEarthRadius = 6367000.0;

double ToRad(int32_t u);
// Radians 0..pi; |x| within 1e-7 of 1 gives the limits.
double ArcCos(double x);
// Metres. Antipodal points give pi * R.
float GetDist(const PosRec& p1, const PosRec& p2);
float GetDistLL(int32_t lon1, int32_t lat1, int32_t lon2, int32_t lat2);
// Initial course in degrees 0..<360.
float GetCourse(const PosRec& p1, const PosRec& p2);

}  // namespace wl
