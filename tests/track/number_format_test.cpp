#include "track/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <tuple>

namespace wl {
namespace {

TEST(NumberFormat, PatternsRoundingAndSign) {
  const std::tuple<double, const char*, const char*> cases[] = {
      // Zeros set minimum digits and exact decimals; hashes show only significant digits.
      {5, "000", "005"}, {1234, "00", "1234"}, {0.25, "0", "0"}, {7, "0.000", "7.000"}, {3.14159, "00.000", "03.142"},
      {1.5, "000.00", "001.50"}, {0, "0.0", "0.0"}, {0, "#", ""}, {0.4, "#", ""}, {0.5, "#", "1"}, {12, "#", "12"},
      {0.5, "#.0", ".5"}, {0.45, "#.00", ".45"}, {3.25, "#.0", "3.3"},
      // The 15-digit form is rounded, halves away from zero.
      {2.675, "0.00", "2.68"}, {1.005, "0.00", "1.01"}, {0.0005, "0.000", "0.001"}, {0.00049999, "0.000", "0.000"},
      {2.5, "0", "3"}, {-2.5, "0", "-3"}, {9.96, "0.0", "10.0"}, {99.96, "00.0", "100.0"}, {0.96, "#", "1"},
      {123456789012345678.0, "0", "123456789012346000"}, {1e-300, "0.000", "0.000"},
      // The sign comes from the unrounded value; non-finite values show zero without sign.
      {-0.04, "0.0", "-0.0"}, {-5, "000.0", "-005.0"}, {-0.4, "#", "-"}, {-0.0, "0.0", "0.0"},
      {std::numeric_limits<double>::quiet_NaN(), "0.0", "0.0"}, {-INFINITY, "000", "000"}, {INFINITY, "#", ""}};
  for (const auto& [v, pattern, want] : cases) EXPECT_EQ(FormatNumber(v, pattern, '.'), want) << v << " " << pattern;
  std::string s = "x\t";
  AppendNumber(s, 1.25, "0.0", ',');
  AppendNumber(s, 4, "00", ',');
  EXPECT_EQ(s, "x\t1,304");
  EXPECT_EQ(FormatPoint(-0.04f, "0.00"), "-0.04");
}

TEST(NumberFormat, FollowsTheLocaleSeparatorButFormatPointDoesNot) {
  EXPECT_EQ(LocaleDecimalSeparator(), '.');  // the C locale
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) {
      comma = true;
      break;
    }
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(FormatNumber(7.5, "0.0"), "7,5");
  EXPECT_EQ(FormatPoint(7.5f, "0.0"), "7.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace wl
