#include "track/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <limits>

namespace wl {
namespace {

TEST(Real48, EncodingsAndRangeLimits) {
  const Real48 largest{255, 255, 255, 255, 255, 127};
  const std::pair<double, Real48> cases[] = {
      {1.0, {0x81, 0, 0, 0, 0, 0}}, {-1.0, {0x81, 0, 0, 0, 0, 0x80}}, {6.5, {0x83, 0, 0, 0, 0, 0x50}}, {0.0, {}},
      {1e-40, {}}, {std::ldexp(1.0, -128), {1, 0, 0, 0, 0, 0}}, {std::ldexp(1.0, -129), {}}, {1e40, largest},
      {std::numeric_limits<double>::infinity(), largest}, {-1e300, {255, 255, 255, 255, 255, 255}},
      {std::numeric_limits<double>::quiet_NaN(), {}}, {std::numeric_limits<double>::denorm_min(), {}}};
  for (const auto& [v, bytes] : cases) EXPECT_EQ(DblToReal48(v), bytes) << v;
  EXPECT_EQ(Real48ToDbl({0, 1, 2, 3, 4, 0xFF}), 0.0);
  EXPECT_EQ(Real48ToDbl(largest), (2 - std::ldexp(1.0, -39)) * std::ldexp(1.0, 126));
}

// Real speeds are pinned through the bytes of a real plotter file in the reader test.
TEST(Real48, TruncatesAfter39Bits) {
  const double exact = 1 + std::ldexp(1.0, -39);
  EXPECT_EQ(Real48ToDbl(DblToReal48(exact)), exact);
  EXPECT_EQ(DblToReal48(1 + 3 * std::ldexp(1.0, -41)), DblToReal48(1.0));  // toward zero, not to the nearest
}

}  // namespace
}  // namespace wl
