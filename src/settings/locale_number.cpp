#include "settings/locale_number.h"

#include <cmath>
#include <string>

#include "track/number_format.h"
#include "track/number_parser.h"

namespace wl {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

}  // namespace

bool ReadLocaleNumber(std::string_view text, double& value) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);

  // Check the shape here; the digits are converted by the program's own parser.
  const char sep = LocaleDecimalSeparator();
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t intStart = i;
  i = SkipDigits(text, i);
  bool digits = i > intStart;
  if (i < text.size() && text[i] == sep) {
    const size_t fracStart = ++i;
    i = SkipDigits(text, i);
    digits = digits || i > fracStart;
  }
  if (!digits) return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t expStart = i;
    i = SkipDigits(text, i);
    if (i == expStart) return false;
  }
  if (i != text.size()) return false;

  std::string plain(text);
  for (char& c : plain) {
    if (c == sep) c = '.';
  }
  double v = ParseNumber(plain);
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

bool ReadLocaleWhole(std::string_view text, int32_t lo, int32_t hi, int32_t& value) {
  double v;
  if (!ReadLocaleNumber(text, v)) return false;
  v = std::nearbyint(v);  // the default rounding mode: halves to even
  if (v < lo || v > hi) return false;
  value = static_cast<int32_t>(v);
  return true;
}

}  // namespace wl
