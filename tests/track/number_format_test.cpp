#include "track/number_format.h"

#include <gtest/gtest.h>

#include <clocale>

namespace wl {
namespace {

// The patterns are in text_cases.tsv.
TEST(NumberFormat, AppendsWithTheGivenSeparator) {
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
