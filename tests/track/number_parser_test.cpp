#include "track/number_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace wl {
namespace {

TEST(NumberParser, ReadsTheLeadingNumber) {
  EXPECT_EQ(ParseNumber("1.5E2"), 150);
  EXPECT_EQ(ParseNumber(" 12abc"), 12);
  EXPECT_EQ(ParseNumber("-3.25"), -3.25);
  EXPECT_EQ(ParseNumber("+.5"), 0.5);
  EXPECT_EQ(ParseNumber("7."), 7);
  EXPECT_EQ(ParseNumber("1E-2"), 0.01);
  EXPECT_EQ(ParseNumber(".5d-1x"), 0.05);
  EXPECT_EQ(ParseNumber("2D3"), 2000);
  EXPECT_EQ(ParseNumber("2e+3"), 2000);
  EXPECT_EQ(ParseNumber("1,5"), 1);  // "." is the only decimal point
}

TEST(NumberParser, SkipsBlanksTabsAndLineFeedsEverywhere) {
  EXPECT_EQ(ParseNumber("1 2"), 12);
  EXPECT_EQ(ParseNumber("\t- 1 .\n5 e 1"), -15);
  EXPECT_EQ(ParseNumber("\r12"), 0);  // a carriage return is not skipped
}

TEST(NumberParser, ExponentNeedsDigits) {
  EXPECT_EQ(ParseNumber("1e"), 1);
  EXPECT_EQ(ParseNumber("1e+"), 1);
  EXPECT_EQ(ParseNumber("3Dx"), 3);
}

TEST(NumberParser, TextWithoutNumberGivesZero) {
  double v = 99;
  EXPECT_FALSE(ParseLeadingNumber("abc", v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(ParseLeadingNumber("", v));
  EXPECT_FALSE(ParseLeadingNumber("-.", v));
  EXPECT_FALSE(ParseLeadingNumber("e5", v));
  EXPECT_FALSE(ParseLeadingNumber("inf", v));
  EXPECT_FALSE(ParseLeadingNumber("nan", v));
  EXPECT_TRUE(ParseLeadingNumber("0", v));
  EXPECT_EQ(ParseNumber("abc"), 0);
}

TEST(NumberParser, RoundsCorrectly) {
  EXPECT_EQ(ParseNumber("0.1"), 0.1);
  EXPECT_EQ(ParseNumber("2.675"), 2.675);
  EXPECT_EQ(ParseNumber("9007199254740993"), 9007199254740992.0);  // tie to even
  EXPECT_EQ(ParseNumber("4.9e-324"), 4.9e-324);
  // Longer than any field: still exact.
  std::string longText = "0." + std::string(300, '0') + "1e301";
  EXPECT_EQ(ParseNumber(longText), 1);
  EXPECT_EQ(ParseNumber(std::string(400, '1') + "e-399"), 1.1111111111111111);
}

TEST(NumberParser, OutOfRangeMagnitudes) {
  EXPECT_EQ(ParseNumber("1e999"), INFINITY);
  EXPECT_EQ(ParseNumber("-1e999"), -INFINITY);
  EXPECT_EQ(ParseNumber("1e-999"), 0);
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999")));
  EXPECT_EQ(ParseNumber("0.00001e309"), 1e304);
  EXPECT_EQ(ParseNumber("1" + std::string(400, '0') + "e-800"), 0);
  EXPECT_EQ(ParseNumber("0e99999999999999999999"), 0);
  EXPECT_EQ(ParseNumber("1e99999999999999999999"), INFINITY);
}

}  // namespace
}  // namespace wl
