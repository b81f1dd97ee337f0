#include "track/date_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace wl {
namespace {

constexpr int64_t kEpochShift = 25569;  // 1970-01-01 as a day count
constexpr int64_t kSecondsPerDay = 86400;
// Far beyond any track (about 270 million years) and still exact in every step below.
constexpr int64_t kMaxDays = 100'000'000'000;

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kWeekdayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool IsLeapYear(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Longest text one pattern character can produce: a year of up to 9 digits from a 3-letter run.
constexpr size_t kMaxCharsPerPatternChar = 4;

char* PutDigits(char* w, int64_t value, int minDigits) {
  if (value < 10) {
    if (minDigits >= 2) *w++ = '0';
    *w++ = static_cast<char>('0' + value);
    return w;
  }
  char buf[24];
  char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  for (auto n = end - buf; n < minDigits; ++n) *w++ = '0';
  for (char* p = buf; p < end; ++p) *w++ = *p;
  return w;
}

char* PutText(char* w, const char* text) {
  while (*text) *w++ = *text++;
  return w;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + kEpochShift;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t z = std::clamp(days, -kMaxDays, kMaxDays) - kEpochShift + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int Weekday(int64_t days) {
  const int64_t r = ((days % 7) + 7) % 7;  // 0 = Saturday, as day 0 was
  return static_cast<int>((r + 6) % 7 + 1);
}

bool IsValidDate(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) return false;
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int length = kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
  return day <= length;
}

int64_t SpanSeconds(double days) {
  if (std::isnan(days)) return 0;
  const double clamped = std::clamp(days, -static_cast<double>(kMaxDays), static_cast<double>(kMaxDays));
  return static_cast<int64_t>(std::nearbyint(clamped * kSecondsPerDay));
}

void AppendDate(std::string& out, double days, std::string_view pattern) {
  const int64_t seconds = std::abs(SpanSeconds(days));
  const int64_t dayNumber = seconds / kSecondsPerDay;
  const int64_t timeOfDay = seconds % kSecondsPerDay;
  const int64_t hour = timeOfDay / 3600;
  const int64_t minute = timeOfDay / 60 % 60;
  const int64_t second = timeOfDay % 60;
  int year, month, day;
  CivilFromDays(dayNumber, year, month, day);

  // Written in place: at most kMaxCharsPerPatternChar characters per pattern character.
  const size_t start = out.size();
  out.resize(start + pattern.size() * kMaxCharsPerPatternChar);
  char* w = out.data() + start;
  bool afterHour = false;  // "MM" directly after an hour field (a ":" between allowed) is minutes
  for (size_t i = 0; i < pattern.size();) {
    const char c = Lower(pattern[i]);
    size_t run = 1;
    if (c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 'n' || c == 's') {
      while (i + run < pattern.size() && Lower(pattern[i + run]) == c) ++run;
    }
    const int width = run >= 2 ? 2 : 1;
    bool isHour = false;
    switch (c) {
      case 'y':
        if (run >= 3) {
          w = PutDigits(w, year, 4);
        } else {
          w = PutDigits(w, year % 100, 2);
        }
        break;
      case 'm':
        if (afterHour) {
          w = PutDigits(w, minute, width);
        } else if (run >= 3) {
          w = PutText(w, kMonthNames[month - 1]);
        } else {
          w = PutDigits(w, month, width);
        }
        break;
      case 'd':
        if (run >= 3) {
          w = PutText(w, kWeekdayNames[Weekday(dayNumber) - 1]);
        } else {
          w = PutDigits(w, day, width);
        }
        break;
      case 'h':
        w = PutDigits(w, hour, width);
        isHour = true;
        break;
      case 'n':
        w = PutDigits(w, minute, width);
        break;
      case 's':
        w = PutDigits(w, second, width);
        break;
      default:
        *w++ = pattern[i];
        if (c == ':') isHour = afterHour;
        break;
    }
    afterHour = isHour;
    i += run;
  }
  out.resize(static_cast<size_t>(w - out.data()));
}

std::string FormatDate(double days, std::string_view pattern) {
  std::string out;
  AppendDate(out, days, pattern);
  return out;
}

}  // namespace wl
