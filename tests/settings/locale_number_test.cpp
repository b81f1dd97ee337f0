#include "settings/locale_number.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

TEST(LocaleNumber, WholeTextMustBeANumber) {
  for (auto [text, value] : {std::pair{" 7000 ", 7000.0}, {"-1.5", -1.5}, {".5", 0.5}, {"+2.", 2.0}, {"1.5E2", 150.0}}) {
    double v = -99;
    EXPECT_TRUE(ReadLocaleNumber(text, v)) << text;
    EXPECT_EQ(v, value) << text;
  }
  for (const char* bad : {"", " ", "-", ".", "1e", "12abc", "1 2", "0x10", "inf", "nan", "1e400", "1,5"}) {
    double v = -99;
    EXPECT_FALSE(ReadLocaleNumber(bad, v)) << bad;
    EXPECT_EQ(v, -99) << bad;
  }
}

TEST(LocaleNumber, WholeRoundsHalfToEvenWithinRange) {
  for (auto [text, value] : {std::pair{"2.5", 2}, {"3.5", 4}, {"-0.4", 0}}) {
    int32_t v = -1;
    EXPECT_TRUE(ReadLocaleWhole(text, 0, 10, v)) << text;
    EXPECT_EQ(v, value) << text;
  }
  int32_t v = 0;
  EXPECT_FALSE(ReadLocaleWhole("10.6", 0, 10, v));
  EXPECT_FALSE(ReadLocaleWhole("1e12", -2147483647 - 1, 2147483647, v));
}

}  // namespace
}  // namespace wl
