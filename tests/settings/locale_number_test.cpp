#include "settings/locale_number.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

TEST(LocaleNumber, WholeTextMustBeANumber) {
  double v = -99;
  EXPECT_TRUE(ReadLocaleNumber(" 7000 ", v));
  EXPECT_EQ(v, 7000);
  EXPECT_TRUE(ReadLocaleNumber("-1.5", v));
  EXPECT_EQ(v, -1.5);
  EXPECT_TRUE(ReadLocaleNumber(".5", v));
  EXPECT_EQ(v, 0.5);
  EXPECT_TRUE(ReadLocaleNumber("+2.", v));
  EXPECT_EQ(v, 2);
  EXPECT_TRUE(ReadLocaleNumber("1.5E2", v));
  EXPECT_EQ(v, 150);
  for (const char* bad : {"", " ", "-", ".", "1e", "12abc", "1 2", "0x10", "inf", "nan", "1e400", "1,5"}) {
    v = -99;
    EXPECT_FALSE(ReadLocaleNumber(bad, v)) << bad;
    EXPECT_EQ(v, -99) << bad;
  }
}

TEST(LocaleNumber, WholeRoundsHalfToEvenWithinRange) {
  int32_t v = 0;
  EXPECT_TRUE(ReadLocaleWhole("2.5", 0, 10, v));
  EXPECT_EQ(v, 2);
  EXPECT_TRUE(ReadLocaleWhole("3.5", 0, 10, v));
  EXPECT_EQ(v, 4);
  EXPECT_TRUE(ReadLocaleWhole("-0.4", 0, 10, v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ReadLocaleWhole("10.6", 0, 10, v));
  EXPECT_FALSE(ReadLocaleWhole("1e12", -2147483647 - 1, 2147483647, v));
}

}  // namespace
}  // namespace wl
