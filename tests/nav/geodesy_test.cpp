#include "nav/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wl {
namespace {

// Reference values of the same algorithm computed independently in 64-bit arithmetic; the
// results must agree to the last bit of the 32-bit result.
TEST(Geodesy, MatchesReferenceBitForBit) {
  struct Case {
    PosRec from, to;
    float dist, course;
  };
  const Case cases[] = {
      {{3150000, 293123}, {3150420, 293901}, 0x1.251688p+10f, 0x1.8368d4p+5f},
      {{3150000, 293123}, {3149000, 292000}, 0x1.1874eep+11f, 0x1.acbdb4p+7f},
      {{-2000000, -7381800}, {-1990000, -7300000}, 0x1.f42b62p+16f, 0x1.483adep+6f},
      {{0, 0}, {0, 1000}, 0x1.cf0574p+10f, 90.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetDist(c.from, c.to), c.dist);
    EXPECT_EQ(GetCourse(c.from, c.to), c.course);
    EXPECT_EQ(GetDistLL(c.from.Lon, c.from.Lat, c.to.Lon, c.to.Lat), c.dist);
  }
}

TEST(Geodesy, CardinalCoursesSamePointAndDamagedPositions) {
  const PosRec o{0, 0}, p{3150000, 293123};
  for (auto [to, course] : {std::pair{PosRec{0, -1000}, 270.0f}, {PosRec{1000, 0}, 0.0f}, {PosRec{-1000, 0}, 180.0f}})
    EXPECT_EQ(GetCourse(o, to), course) << to.Lat << "," << to.Lon;
  EXPECT_EQ(GetCourse(p, p), 0);
  EXPECT_EQ(GetDist(p, p), 0);
  const float west = GetCourse(p, PosRec{3155000, 293122});  // one unit west over 9 km: never above 360
  EXPECT_TRUE(west > 359 && west <= 360.0f) << west;
  EXPECT_FLOAT_EQ(GetDist(o, PosRec{0, 10800000}), 20002520.0f);  // half the sphere's circumference
  // Latitudes past the pole (a damaged file) must not poison the sums that use them.
  const PosRec c{3000000, 100}, d{-3000000, 10800000 - 100}, wild{2000000000, -2000000000};
  for (auto [x, y] : {std::pair{c, d}, {wild, c}, {PosRec{5400000, 0}, PosRec{5400000, 1000}}})
    EXPECT_FALSE(std::isnan(GetDist(x, y)) || std::isnan(GetCourse(x, y)));
}

}  // namespace
}  // namespace wl
