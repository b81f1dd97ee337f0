#include "nav/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wl {
namespace {

const PosRec kOrigin{0, 0};

TEST(ArcCos, LimitsAndMiddle) {
  EXPECT_EQ(ArcCos(1), 0);
  EXPECT_EQ(ArcCos(-1), kPi);
  EXPECT_NEAR(ArcCos(0), kPi / 2, 1e-13);
  // Within 1e-7 of the ends the limits apply.
  EXPECT_EQ(ArcCos(1 - 5e-8), 0);
  EXPECT_EQ(ArcCos(-1 + 5e-8), kPi);
  EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-14);
}

TEST(ArcCos, OutsideDomainIsClamped) {
  EXPECT_EQ(ArcCos(1.5), 0);
  EXPECT_EQ(ArcCos(-3), kPi);
  EXPECT_EQ(ArcCos(INFINITY), 0);
  EXPECT_FALSE(std::isnan(ArcCos(NAN)));
}

TEST(GetDist, SelfAndOneMinute) {
  EXPECT_EQ(GetDist(kOrigin, kOrigin), 0);
  const PosRec p{3150000, 293123};
  EXPECT_EQ(GetDist(p, p), 0);
  EXPECT_NEAR(GetDist(kOrigin, PosRec{1000, 0}), 1852.1, 0.05);
  EXPECT_NEAR(GetDist(kOrigin, PosRec{0, 1000}), 1852.1, 0.05);
  EXPECT_EQ(GetDistLL(0, 0, 1000, 0), GetDist(kOrigin, PosRec{0, 1000}));
  EXPECT_EQ(GetDistLL(293123, 3150000, 293901, 3150420), GetDist(PosRec{3150000, 293123}, PosRec{3150420, 293901}));
}

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
  }
}

TEST(GetCourse, CardinalDirectionsAndSelf) {
  EXPECT_EQ(GetCourse(kOrigin, PosRec{0, 1000}), 90);
  EXPECT_EQ(GetCourse(kOrigin, PosRec{0, -1000}), 270);
  EXPECT_EQ(GetCourse(kOrigin, PosRec{1000, 0}), 0);
  EXPECT_EQ(GetCourse(kOrigin, PosRec{-1000, 0}), 180);
  EXPECT_EQ(GetCourse(kOrigin, kOrigin), 0);
  const PosRec p{3150000, 293123};
  EXPECT_EQ(GetCourse(p, p), 0);
}

TEST(GetCourse, NearlyNortherlyStaysNearNorth) {
  const PosRec from{3150000, 293123};
  const float east = GetCourse(from, PosRec{3155000, 293124});  // one unit east over 9 km
  const float west = GetCourse(from, PosRec{3155000, 293122});
  EXPECT_TRUE(east < 1 || east > 359) << east;
  EXPECT_TRUE(west < 1 || west > 359.0f) << west;
  EXPECT_LE(west, 360.0f);
  const float south = GetCourse(PosRec{3155000, 293124}, from);
  EXPECT_NEAR(south, 180, 1);
}

TEST(Geodesy, AntipodalAndBeyondThePolesGiveNumbers) {
  const PosRec a{0, 0}, b{0, 10800000};  // opposite sides of the equator
  EXPECT_FLOAT_EQ(GetDist(a, b), static_cast<float>(kPi * kEarthRadius));
  EXPECT_FALSE(std::isnan(GetCourse(a, b)));
  const PosRec c{3000000, 100}, d{-3000000, 10800000 - 100};
  EXPECT_FALSE(std::isnan(GetDist(c, d)));
  EXPECT_FALSE(std::isnan(GetCourse(c, d)));
  // Latitudes past the pole (a damaged file) must not poison the sums that use them.
  const PosRec wild{2000000000, -2000000000};
  EXPECT_FALSE(std::isnan(GetDist(wild, c)));
  EXPECT_FALSE(std::isnan(GetCourse(wild, c)));
  EXPECT_FALSE(std::isnan(GetCourse(PosRec{5400000, 0}, PosRec{5400000, 1000})));
}

}  // namespace
}  // namespace wl
