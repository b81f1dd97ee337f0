#pragma once
// Number patterns built from "0", "#" and "." (for example "0.00", "000", "#.0").
#include <string>
#include <string_view>

namespace wl {

// The decimal separator of the user's locale (C library locale; "." in the C locale).
char LocaleDecimalSeparator();

// The value's 15-significant-digit form rounded to the pattern's decimals, halves away from zero.
// The sign comes from the unrounded value; negative zero gets none. Non-finite values give "0"
// in the pattern's shape with no sign.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator);
inline std::string FormatNumber(double value, std::string_view pattern) {
  return FormatNumber(value, pattern, LocaleDecimalSeparator());
}

// Locale-independent form for files, settings and sentences.
std::string FormatPoint(float value, std::string_view pattern);

// Appends instead of returning, for hot paths.
void AppendNumber(std::string& out, double value, std::string_view pattern, char decimalSeparator);

}  // namespace wl
