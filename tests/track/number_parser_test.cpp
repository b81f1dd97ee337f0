#include "track/number_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <string>

namespace wl {
namespace {

TEST(NumberParser, ReadsTheLeadingNumber) {
  const std::pair<std::string, double> cases[] = {
      {"1.5E2", 150}, {" 12abc", 12}, {"-3.25", -3.25}, {"+.5", 0.5}, {"7.", 7}, {"1E-2", 0.01}, {".5d-1x", 0.05},
      {"2D3", 2000}, {"2e+3", 2000}, {"1,5", 1},  // "." is the only decimal point
      {"1 2", 12}, {"\t- 1 .\n5 e 1", -15},       // blanks, tabs and line feeds are skipped everywhere
      {"\r12", 0},                                // a carriage return is not
      {"1e", 1}, {"1e+", 1}, {"3Dx", 3}, {"abc", 0},
      // Correct rounding, also of texts longer than any field.
      {"0.1", 0.1}, {"2.675", 2.675}, {"9007199254740993", 9007199254740992.0}, {"4.9e-324", 4.9e-324},
      {"0." + std::string(300, '0') + "1e301", 1}, {std::string(400, '1') + "e-399", 1.1111111111111111},
      // Out-of-range magnitudes.
      {"1e999", INFINITY}, {"-1e999", -INFINITY}, {"1e-999", 0}, {"0.00001e309", 1e304},
      {"1" + std::string(400, '0') + "e-800", 0}, {"0e99999999999999999999", 0},
      {"1e99999999999999999999", INFINITY}};
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseNumber(text), want) << text;
  EXPECT_TRUE(std::signbit(ParseNumber("-1e-999")));
}

TEST(NumberParser, TextWithoutNumberGivesFalseAndZero) {
  double v = 99;
  EXPECT_FALSE(ParseLeadingNumber("abc", v));
  EXPECT_EQ(v, 0);
  for (const char* t : {"", "-.", "e5", "inf", "nan"}) EXPECT_FALSE(ParseLeadingNumber(t, v)) << t;
  EXPECT_TRUE(ParseLeadingNumber("0", v));
}

}  // namespace
}  // namespace wl
