#include "nav/tack_angle.h"

#include <gtest/gtest.h>

#include <climits>

namespace wl {
namespace {

TEST(TackAngle, AcceptsZeroAndFifteenToSixtyInclusive) {
  for (const char* text : {"0", "15", "30", "45.5", "60", "abc", "", " 30abc", "-0"})
    EXPECT_TRUE(CheckTackAngle(text).accepted) << text;
  for (const char* text : {"14.9", "60.01", "-15", "1", "90", "1e999"})
    EXPECT_FALSE(CheckTackAngle(text).accepted) << text;
}

TEST(TackAngle, TextBecomesThePlainLeadingNumber) {
  EXPECT_EQ(CheckTackAngle(" 30abc").text, "30");
  EXPECT_EQ(CheckTackAngle("14.9").text, "14.9");
  EXPECT_EQ(CheckTackAngle("abc").text, "0");
  EXPECT_EQ(CheckTackAngle("-0").text, "0");
  EXPECT_EQ(CheckTackAngle("4.5e1").text, "45");
  EXPECT_EQ(CheckTackAngle("3 0").text, "30");  // blanks inside are skipped by the parser
  EXPECT_EQ(CheckTackAngle("-20.25").text, "-20.25");
  EXPECT_EQ(CheckTackAngle("1e999").text, "0");  // never "inf"
}

TEST(TackAngle, MessageTextIsExact) {
  EXPECT_STREQ(TackAngleMessage(), "TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis");
}

TEST(TackAngle, ValueRoundsHalfToEvenAndStaysInRange) {
  EXPECT_EQ(TackAngleValue("30"), 30);
  EXPECT_EQ(TackAngleValue("30.5"), 30);
  EXPECT_EQ(TackAngleValue("31.5"), 32);
  EXPECT_EQ(TackAngleValue("30.6"), 31);
  EXPECT_EQ(TackAngleValue("-15.5"), -16);
  EXPECT_EQ(TackAngleValue("abc"), 0);
  EXPECT_EQ(TackAngleValue("1e300"), INT_MAX);
  EXPECT_EQ(TackAngleValue("-1e300"), INT_MIN);
  EXPECT_EQ(TackAngleValue("1e999"), 0);
}

}  // namespace
}  // namespace wl
