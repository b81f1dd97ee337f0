#include "track/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace wl {
namespace {

std::string F(double v, const char* pattern) { return FormatNumber(v, pattern, '.'); }

TEST(NumberFormat, ZerosSetMinimumDigitsAndExactDecimals) {
  EXPECT_EQ(F(5, "000"), "005");
  EXPECT_EQ(F(1234, "00"), "1234");
  EXPECT_EQ(F(0.25, "0"), "0");
  EXPECT_EQ(F(7, "0.000"), "7.000");
  EXPECT_EQ(F(3.14159, "00.000"), "03.142");
  EXPECT_EQ(F(12.3, "0000.0"), "0012.3");
  EXPECT_EQ(F(1.5, "000.00"), "001.50");
  EXPECT_EQ(F(0, "0.0"), "0.0");
}

TEST(NumberFormat, HashShowsOnlySignificantDigits) {
  EXPECT_EQ(F(0, "#"), "");
  EXPECT_EQ(F(0.4, "#"), "");
  EXPECT_EQ(F(0.5, "#"), "1");
  EXPECT_EQ(F(12, "#"), "12");
  EXPECT_EQ(F(0.5, "#.0"), ".5");
  EXPECT_EQ(F(0.45, "#.00"), ".45");
  EXPECT_EQ(F(3.25, "#.0"), "3.3");
}

TEST(NumberFormat, RoundsThe15DigitFormHalvesAwayFromZero) {
  EXPECT_EQ(F(2.675, "0.00"), "2.68");  // binary 2.67499999... reads 2.67500000000000
  EXPECT_EQ(F(1.005, "0.00"), "1.01");
  EXPECT_EQ(F(0.0005, "0.000"), "0.001");
  EXPECT_EQ(F(0.00049999, "0.000"), "0.000");
  EXPECT_EQ(F(2.5, "0"), "3");
  EXPECT_EQ(F(-2.5, "0"), "-3");
  EXPECT_EQ(F(9.96, "0.0"), "10.0");
  EXPECT_EQ(F(99.96, "00.0"), "100.0");
  EXPECT_EQ(F(0.96, "#"), "1");
  EXPECT_EQ(F(123456789012345678.0, "0"), "123456789012346000");
  EXPECT_EQ(F(1e-300, "0.000"), "0.000");
}

TEST(NumberFormat, SignComesFromTheUnroundedValue) {
  EXPECT_EQ(F(-0.04, "0.0"), "-0.0");
  EXPECT_EQ(F(-5, "000.0"), "-005.0");
  EXPECT_EQ(F(-0.4, "#"), "-");
  EXPECT_EQ(F(-0.0, "0.0"), "0.0");
}

TEST(NumberFormat, NonFiniteShowsZeroWithoutSign) {
  EXPECT_EQ(F(std::numeric_limits<double>::quiet_NaN(), "0.0"), "0.0");
  EXPECT_EQ(F(-INFINITY, "000"), "000");
  EXPECT_EQ(F(INFINITY, "#"), "");
}

TEST(NumberFormat, AppendKeepsWhatIsThere) {
  std::string s = "x\t";
  AppendNumber(s, 1.25, "0.0", ',');
  AppendNumber(s, 4, "00", ',');
  EXPECT_EQ(s, "x\t1,304");
}

TEST(NumberFormat, FormatPointAlwaysWritesAPoint) {
  EXPECT_EQ(FormatPoint(7.5f, "0.0"), "7.5");
  EXPECT_EQ(FormatPoint(-0.04f, "0.00"), "-0.04");
  EXPECT_EQ(LocaleDecimalSeparator(), '.');  // the C locale
}

TEST(NumberFormat, FollowsTheLocaleSeparator) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name)) {
      comma = true;
      break;
    }
  }
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(FormatNumber(7.5, "0.0"), "7,5");
  EXPECT_EQ(FormatPoint(7.5f, "0.0"), "7.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace wl
