#pragma once
// Day counts: whole days since 1899-12-30, fraction = time of day.
#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

// Day count of a calendar date (proleptic Gregorian).
int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(int64_t days, int& year, int& month, int& day);
// Weekday of a day count, Sunday = 1 .. Saturday = 7.
int Weekday(int64_t days);
bool IsValidDate(int year, int month, int day);

// Formats a day count with a date/time pattern ("YYYYMMDD HH:MM:SS", "hh:mm:ss", "h:mm:ss",
// "DDMMYY", "HHMMSS", "MMM", "ddd", ...). The count is rounded to whole seconds first; a negative
// count is shown by its size; hour fields show only the time of day.
std::string FormatDate(double days, std::string_view pattern);
void AppendDate(std::string& out, double days, std::string_view pattern);

// A span's whole seconds, rounded half to even, with the span's sign (the basis of "whole hours"
// texts). NaN gives 0; infinite or huge spans are clamped to about 270 million years.
int64_t SpanSeconds(double days);

}  // namespace wl
