#include "track/number_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace wl {
namespace {

TEST(NumberParser, ReadsTheLeadingNumber) {
  // The short texts are in text_cases.tsv; these are longer than any field.
  EXPECT_EQ(ParseNumber("0." + std::string(300, '0') + "1e301"), 1);
  EXPECT_EQ(ParseNumber(std::string(400, '1') + "e-399"), 1.1111111111111111);
  EXPECT_EQ(ParseNumber("1" + std::string(400, '0') + "e-800"), 0);
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
