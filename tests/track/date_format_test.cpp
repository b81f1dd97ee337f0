#include "track/date_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace wl {
namespace {

double At(int y, int mo, int d, int h, int mi, double s) {
  return static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

TEST(DateFormat, Patterns) {
  const double t = At(2008, 5, 3, 14, 5, 9), e = At(2008, 5, 3, 4, 7, 9);
  const std::tuple<double, const char*, const char*> cases[] = {
      {t, "YYYYMMDD HH:MM:SS", "20080503 14:05:09"}, {t, "hh:mm:ss", "14:05:09"}, {t, "HHMMSS", "140509"},
      {t, "DDMMYY", "030508"}, {At(2008, 5, 3, 4, 5, 9), "h:mm:ss", "4:05:09"},
      {e, "ddd d MMM yyyy", "Sat 3 May 2008"}, {e, "yy-M-dd", "08-5-03"}, {e, "h n nn s", "4 7 07 9"},
      {e, "hmm", "407"},        // minutes right after an hour field
      {e, "hh MM", "04 05"},    // a blank in between: month again
      {e, "[T] x/", "[T] x/"}, {0, "ddd YYYYMMDD", "Sat 18991230"}, {59, "YYYYMMDD", "19000227"},
      {2958465, "YYYYMMDD", "99991231"},
      {0.000694444, "hh:mm:ss", "00:01:00"},  // 59.99996 s rounds before splitting
      {At(2008, 5, 3, 23, 59, 59.6), "YYYYMMDD HH:MM:SS", "20080504 00:00:00"},
      {At(2008, 5, 3, 23, 59, 59.4), "YYYYMMDD HH:MM:SS", "20080503 23:59:59"},
      {-1.0 / 24 - 61.0 / 86400, "hh:mm:ss", "01:01:01"},
      {(27 * 3600 + 5 * 60 + 10) / 86400.0, "hh:mm:ss", "03:05:10"},
      {NAN, "YYYYMMDD HH:MM:SS", "18991230 00:00:00"}};
  for (const auto& [v, pattern, want] : cases) EXPECT_EQ(FormatDate(v, pattern), want) << v << " " << pattern;
  EXPECT_FALSE(FormatDate(1e300, "ddd YYYYMMDD HH:MM:SS").empty());
  EXPECT_FALSE(FormatDate(-INFINITY, "ddd d MMM").empty());
}

TEST(DateFormat, SpanSecondsKeepTheSignAndClampNonFiniteCounts) {
  const std::pair<double, int64_t> cases[] = {
      {(27 * 3600 + 5 * 60 + 10) / 86400.0, 97510}, {-61.0 / 86400, -61}, {NAN, 0}, {2.5 / 86400, 2}};
  for (const auto& [days, seconds] : cases) EXPECT_EQ(SpanSeconds(days), seconds) << days;
  EXPECT_EQ(SpanSeconds(INFINITY), SpanSeconds(1e300));
  EXPECT_EQ(SpanSeconds(-INFINITY), -SpanSeconds(1e300));
}

}  // namespace
}  // namespace wl
