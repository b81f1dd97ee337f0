#include "track/number_format.h"

#include <clocale>
#include <cmath>

#include "track/decimal_digits.h"

namespace wl {
namespace {

struct NumberPattern {
  int minIntDigits = 0;  // "0"s before the point
  int decimals = 0;      // digits after the point
  int minDecimals = 0;   // "0"s after the point; "#"s beyond them drop trailing zeros
};

NumberPattern ParsePattern(std::string_view pattern) {
  NumberPattern p;
  bool afterPoint = false;
  for (char c : pattern) {
    if (c == '.') {
      afterPoint = true;
    } else if (afterPoint) {
      if (c == '0' || c == '#') ++p.decimals;
      if (c == '0') p.minDecimals = p.decimals;
    } else if (c == '0') {
      ++p.minIntDigits;
    }
  }
  return p;
}

// The value's magnitude as 15 significant decimal digits, rounded to a given number of decimals:
// digit i stands for 10^(top - i); digits beyond `count` are zero.
struct Decimal {
  char digits[16];
  int count = 0;
  int top = 0;
  char At(int power) const {
    int i = top - power;
    return i >= 0 && i < count ? digits[i] : '0';
  }
};

Decimal RoundedDecimal(double magnitude, int decimals) {
  const Digits15 exact = SignificantDigits15(magnitude);
  Decimal d;
  for (int i = 0; i < 15; ++i) d.digits[i] = exact.digits[i];
  d.top = exact.exponent;
  if (d.digits[0] == '0') return d;  // zero: no digits at all

  int kept = d.top + 1 + decimals;
  if (kept >= 15) {
    d.count = 15;
    return d;
  }
  if (kept < 0) return d;
  d.count = kept;
  if (d.digits[kept] < '5') return d;
  // Halves away from zero: carry into the kept digits.
  int i = kept - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    for (int j = kept; j > 0; --j) d.digits[j] = d.digits[j - 1];
    d.digits[0] = '1';
    ++d.top;
    ++d.count;
  }
  return d;
}

}  // namespace

char LocaleDecimalSeparator() {
  const char* point = std::localeconv()->decimal_point;
  return point && *point ? *point : '.';
}

void AppendNumber(std::string& out, double value, std::string_view pattern, char decimalSeparator) {
  const NumberPattern p = ParsePattern(pattern);
  const bool finite = std::isfinite(value);
  const bool negative = finite && value < 0;  // -0.0 is not < 0
  const Decimal d = RoundedDecimal(finite ? std::fabs(value) : 0.0, p.decimals);

  const int intDigits = d.count > 0 && d.top >= 0 ? d.top + 1 : 0;
  const int padding = p.minIntDigits > intDigits ? p.minIntDigits - intDigits : 0;
  const size_t start = out.size();
  out.resize(start + (negative ? 1 : 0) + padding + intDigits + (p.decimals > 0 ? 1 + p.decimals : 0));
  char* w = out.data() + start;
  if (negative) *w++ = '-';
  for (int i = 0; i < padding; ++i) *w++ = '0';
  for (int power = intDigits - 1; power >= 0; --power) *w++ = d.At(power);
  if (p.decimals > 0) {
    *w++ = decimalSeparator;
    for (int power = -1; power >= -p.decimals; --power) *w++ = d.At(power);
    int optional = p.decimals - p.minDecimals;
    while (optional-- > 0 && w[-1] == '0') --w;
    out.resize(static_cast<size_t>(w - out.data()));
  }
}

std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator) {
  std::string out;
  AppendNumber(out, value, pattern, decimalSeparator);
  return out;
}

std::string FormatPoint(float value, std::string_view pattern) {
  return FormatNumber(static_cast<double>(value), pattern, '.');
}

}  // namespace wl
