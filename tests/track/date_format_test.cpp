#include "track/date_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wl {
namespace {

double At(int y, int mo, int d, int h, int mi, double s) {
  return static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

TEST(Calendar, DayCountsFromTheEpoch) {
  EXPECT_EQ(DaysFromCivil(1899, 12, 30), 0);
  EXPECT_EQ(DaysFromCivil(1900, 1, 1), 2);
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 25569);
  EXPECT_EQ(DaysFromCivil(2008, 5, 3), 39571);
  EXPECT_EQ(DaysFromCivil(1600, 3, 1) + 1, DaysFromCivil(1600, 3, 2));
  for (int64_t days : {int64_t{-700000}, int64_t{-1}, int64_t{0}, int64_t{59}, int64_t{39571},
                       int64_t{2958465}}) {
    int y, m, d;
    CivilFromDays(days, y, m, d);
    EXPECT_TRUE(IsValidDate(y, m, d));
    EXPECT_EQ(DaysFromCivil(y, m, d), days);
  }
  int y, m, d;
  CivilFromDays(2958465, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
}

TEST(Calendar, WeekdaysAndValidity) {
  EXPECT_EQ(Weekday(0), 7);                           // 1899-12-30, a Saturday
  EXPECT_EQ(Weekday(DaysFromCivil(2008, 5, 4)), 1);   // Sunday
  EXPECT_EQ(Weekday(-1), 6);
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_TRUE(IsValidDate(2008, 2, 29));
  EXPECT_FALSE(IsValidDate(2007, 2, 29));
  EXPECT_FALSE(IsValidDate(2008, 4, 31));
  EXPECT_FALSE(IsValidDate(2008, 13, 1));
  EXPECT_FALSE(IsValidDate(2008, 0, 1));
  EXPECT_FALSE(IsValidDate(2008, 1, 0));
}

TEST(DateFormat, ProgramPatterns) {
  const double t = At(2008, 5, 3, 14, 5, 9);
  EXPECT_EQ(FormatDate(t, "YYYYMMDD HH:MM:SS"), "20080503 14:05:09");
  EXPECT_EQ(FormatDate(t, "HH:MM:SS"), "14:05:09");
  EXPECT_EQ(FormatDate(t, "hh:mm:ss"), "14:05:09");
  EXPECT_EQ(FormatDate(t, "HHMMSS"), "140509");
  EXPECT_EQ(FormatDate(t, "DDMMYY"), "030508");
  EXPECT_EQ(FormatDate(At(2008, 5, 3, 4, 5, 9), "h:mm:ss"), "4:05:09");
}

TEST(DateFormat, OtherFieldsAndLiterals) {
  const double t = At(2008, 5, 3, 4, 7, 9);
  EXPECT_EQ(FormatDate(t, "ddd d MMM yyyy"), "Sat 3 May 2008");
  EXPECT_EQ(FormatDate(t, "yy-M-dd"), "08-5-03");
  EXPECT_EQ(FormatDate(t, "h n nn s"), "4 7 07 9");
  EXPECT_EQ(FormatDate(t, "hmm"), "407");          // minutes right after an hour field
  EXPECT_EQ(FormatDate(t, "hh MM"), "04 05");      // a blank in between: month again
  EXPECT_EQ(FormatDate(t, "[T] x/"), "[T] x/");
  EXPECT_EQ(FormatDate(0, "YYYYMMDD"), "18991230");
}

TEST(DateFormat, RoundsToWholeSecondsBeforeSplitting) {
  EXPECT_EQ(FormatDate(0.000694444, "hh:mm:ss"), "00:01:00");  // 59.99996 s
  // A 60 s leg computed through 32-bit floats.
  const float start = static_cast<float>(At(2008, 5, 3, 10, 0, 0) - 39571);
  const float end = static_cast<float>(At(2008, 5, 3, 10, 1, 0) - 39571);
  EXPECT_EQ(FormatDate(static_cast<double>(end) - start, "h:mm:ss").substr(1), ":01:00");
  // 23:59:59.6 becomes the next day's midnight.
  EXPECT_EQ(FormatDate(At(2008, 5, 3, 23, 59, 59.6), "YYYYMMDD HH:MM:SS"), "20080504 00:00:00");
  EXPECT_EQ(FormatDate(At(2008, 5, 3, 23, 59, 59.4), "YYYYMMDD HH:MM:SS"), "20080503 23:59:59");
}

TEST(DateFormat, SpansShowTheirSizeAndTimeOfDayOnly) {
  EXPECT_EQ(FormatDate(-1.0 / 24 - 61.0 / 86400, "hh:mm:ss"), "01:01:01");
  EXPECT_EQ(FormatDate((27 * 3600 + 5 * 60 + 10) / 86400.0, "hh:mm:ss"), "03:05:10");
  EXPECT_EQ(SpanSeconds((27 * 3600 + 5 * 60 + 10) / 86400.0), 97510);
  EXPECT_EQ(SpanSeconds(-61.0 / 86400), -61);
  EXPECT_EQ(SpanSeconds(0.000694444), 60);
}

TEST(DateFormat, HugeAndNonFiniteCountsStaySound) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FormatDate(nan, "YYYYMMDD HH:MM:SS"), "18991230 00:00:00");
  EXPECT_EQ(SpanSeconds(nan), 0);
  EXPECT_EQ(SpanSeconds(INFINITY), SpanSeconds(1e300));
  EXPECT_EQ(SpanSeconds(-INFINITY), -SpanSeconds(1e300));
  EXPECT_FALSE(FormatDate(1e300, "ddd YYYYMMDD HH:MM:SS").empty());
  EXPECT_FALSE(FormatDate(-INFINITY, "ddd d MMM").empty());
  int y, m, d;
  CivilFromDays(std::numeric_limits<int64_t>::min(), y, m, d);
  EXPECT_TRUE(IsValidDate(y, m, d));
}

}  // namespace
}  // namespace wl
