#include "track/latlon_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace wl {
namespace {

TEST(LatLonText, TableAndNmeaForms) {
  const int32_t lowest = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(LatText(-3150000, 0), "52 S 30.000");
  EXPECT_EQ(LatText(3150000, 0), "52 N 30.000");
  EXPECT_EQ(LatText(0, 0), "00 S 00.000");  // zero counts as south
  EXPECT_EQ(LonText(293123, 0), "04 E 53.123");
  EXPECT_EQ(LonText(-7410000, 0), "123 W 30.000");
  EXPECT_EQ(LonText(0, 2), "00 W 00.000");
  EXPECT_EQ(LatText(3150000, 1), "5230.000,N");
  EXPECT_EQ(LatText(-59999, 1), "0059.999,S");
  EXPECT_EQ(LonText(293123, 1), "00453.123,E");
  EXPECT_EQ(LonText(-7381800, 1), "12301.800,W");
  EXPECT_EQ(LatText(lowest, 0), "35791 S 23.648");  // no overflow
  EXPECT_EQ(LonText(lowest, 1), "3579123.648,W");
  EXPECT_EQ(LatText(std::numeric_limits<int32_t>::max(), 1), "3579123.647,N");
}

}  // namespace
}  // namespace wl
