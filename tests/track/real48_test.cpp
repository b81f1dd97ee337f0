#include "track/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wl {
namespace {

TEST(Real48, KnownEncodings) {
  EXPECT_EQ(DblToReal48(1.0), (Real48{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(DblToReal48(-1.0), (Real48{0x81, 0, 0, 0, 0, 0x80}));
  EXPECT_EQ(DblToReal48(6.5), (Real48{0x83, 0, 0, 0, 0, 0x50}));
  EXPECT_EQ(DblToReal48(0.0), Real48{});
  EXPECT_EQ(Real48ToDbl({0x81, 0, 0, 0, 0, 0}), 1.0);
  EXPECT_EQ(Real48ToDbl({0x81, 0, 0, 0, 0, 0x80}), -1.0);
  EXPECT_EQ(Real48ToDbl({0x83, 0, 0, 0, 0, 0x50}), 6.5);
  EXPECT_EQ(Real48ToDbl({0, 1, 2, 3, 4, 0xFF}), 0.0);
}

TEST(Real48, RoundTripsAndTruncatesAfter39Bits) {
  for (double v : {0.1, 5.3, -12.25, 1e-20, 3.75e30, 0.5, 1.9999999}) {
    const double back = Real48ToDbl(DblToReal48(v));
    EXPECT_LE(std::fabs(back), std::fabs(v)) << v;  // truncation toward zero
    EXPECT_NEAR(back, v, std::fabs(v) * std::ldexp(1.0, -39)) << v;
    EXPECT_EQ(DblToReal48(back), DblToReal48(v)) << v;
  }
  const double exact = 1 + std::ldexp(1.0, -39);
  EXPECT_EQ(Real48ToDbl(DblToReal48(exact)), exact);
  EXPECT_EQ(DblToReal48(1 + std::ldexp(1.0, -40)), DblToReal48(1.0));
}

TEST(Real48, OutOfRangeMagnitudes) {
  EXPECT_EQ(DblToReal48(1e-40), Real48{});
  EXPECT_EQ(DblToReal48(std::ldexp(1.0, -128)), (Real48{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(DblToReal48(std::ldexp(1.0, -129)), Real48{});
  const Real48 largest{255, 255, 255, 255, 255, 127};
  EXPECT_EQ(DblToReal48(1e40), largest);
  EXPECT_EQ(DblToReal48(std::numeric_limits<double>::infinity()), largest);
  EXPECT_EQ(DblToReal48(-1e300), (Real48{255, 255, 255, 255, 255, 255}));
  EXPECT_EQ(DblToReal48(std::numeric_limits<double>::quiet_NaN()), Real48{});
  EXPECT_EQ(DblToReal48(std::numeric_limits<double>::denorm_min()), Real48{});
  EXPECT_EQ(Real48ToDbl(largest), (2 - std::ldexp(1.0, -39)) * std::ldexp(1.0, 126));
}

TEST(Real48, Pow2) {
  EXPECT_EQ(Pow2(0), 1);
  EXPECT_EQ(Pow2(10), 1024);
  EXPECT_EQ(Pow2(-3), 0.125);
  EXPECT_EQ(Pow2(-128), std::ldexp(1.0, -128));
}

}  // namespace
}  // namespace wl
