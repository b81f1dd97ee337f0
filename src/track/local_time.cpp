#include "track/local_time.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "track/date_format.h"

namespace wl {

namespace {

// Every time of day and offset goes through this one division, so that an offset typed as
// "02:00:00" and the expected summertime offset are the same double.
double SecondsToDays(int64_t seconds) { return static_cast<double>(seconds) / 86400.0; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Digits(std::string_view s, size_t from, size_t count) {
  int v = 0;
  for (size_t i = from; i < from + count; ++i) v = v * 10 + (s[i] - '0');
  return v;
}

struct TrtTime {
  int year = 0, month = 0, day = 0;
  int64_t secondsOfDay = 0;
};

// "YYYYMMDD?HH:MM:SS...": the date, any separator, the time; anything may follow.
bool SplitTrtTime(std::string_view s, TrtTime& t) {
  if (s.size() < 17) return false;
  for (size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 15, 16})
    if (!IsDigit(s[i])) return false;
  if (s[11] != ':' || s[14] != ':') return false;
  t.year = Digits(s, 0, 4);
  t.month = Digits(s, 4, 2);
  t.day = Digits(s, 6, 2);
  const int h = Digits(s, 9, 2), m = Digits(s, 12, 2), sec = Digits(s, 15, 2);
  if (!IsValidDate(t.year, t.month, t.day) || h > 23 || m > 59 || sec > 59) return false;
  t.secondsOfDay = h * 3600 + m * 60 + sec;
  return true;
}

// 31 <month> of the year minus (its weekday - 1) days: that month's last Sunday.
int64_t LastSunday(int year, int month) {
  const int64_t last = DaysFromCivil(year, month, 31);
  return last - (Weekday(last) - 1);
}

// Digits only, at most two, so that the parts stay small.
bool ReadPart(std::string_view s, size_t& i, int limit, int& value) {
  const size_t from = i;
  value = 0;
  while (i < s.size() && IsDigit(s[i]) && i - from < 2) value = value * 10 + (s[i++] - '0');
  return i > from && value <= limit;
}

}  // namespace

bool ParseTimeOfDay(std::string_view text, int64_t& seconds) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t i = 0;
  int h = 0, m = 0, s = 0;
  if (!ReadPart(text, i, 23, h) || i >= text.size() || text[i++] != ':' || !ReadPart(text, i, 59, m)) return false;
  if (i < text.size() && (text[i++] != ':' || !ReadPart(text, i, 59, s))) return false;
  if (i != text.size()) return false;
  seconds = h * 3600 + m * 60 + s;
  return true;
}

double TimeOffsetDays(std::string_view hhmmss) {
  int64_t seconds = 0;
  return ParseTimeOfDay(hhmmss, seconds) ? SecondsToDays(seconds) : 0;
}

bool ParseTrtTime(std::string_view field, double& days) {
  TrtTime t;
  if (!SplitTrtTime(field, t)) {
    days = 0;
    return false;
  }
  days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day)) + SecondsToDays(t.secondsOfDay);
  return true;
}

double CTToUTC(std::string_view field, bool isTRT, const TimeOffsetSetting& offsetSetting, bool& ctNoticeDone,
               Prompts& prompts) {
  double offset = 0;
  if (isTRT) {
    offset = TimeOffsetDays(offsetSetting.timeOffset);
    if (offsetSetting.minus) offset = -offset;
  }
  TrtTime t;
  if (!SplitTrtTime(field, t)) return 0;
  const double dt = static_cast<double>(DaysFromCivil(t.year, t.month, t.day)) + SecondsToDays(t.secondsOfDay);
  if (!field.ends_with("CT")) return dt;

  if (!ctNoticeDone) {
    const double start = static_cast<double>(LastSunday(t.year, 3));
    const double end = static_cast<double>(LastSunday(t.year, 10));
    const double oneHour = SecondsToDays(3600), twoHours = SecondsToDays(2 * 3600);
    double expected;
    const char* text;
    if (dt < start) {
      expected = oneHour;
      text = "date is before start summertime, check time difference: ";
    } else if (dt < end) {
      expected = twoHours;
      text = "date is during summertime, check time difference ";
    } else {
      expected = oneHour;
      text = "date is after end summertime, check time difference: ";
    }
    if (offset != expected) prompts.ShowMessage(text + FormatDate(std::fabs(offset), "HH:MM:SS"), Icon::None);
    ctNoticeDone = true;
  }
  return dt - offset;
}

}  // namespace wl
