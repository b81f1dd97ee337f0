#include "nav/tack_angle.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "track/number_parser.h"

namespace wl {

// "%.15g" without the locale: the settings file and the parser both need ".".
static std::string PlainNumber(double v) {
  if (!std::isfinite(v)) return "0";
  if (v == 0) return "0";  // also for -0
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  return std::string(buf, res.ptr);
}

TackAngleCheck CheckTackAngle(std::string_view text) {
  double v = ParseNumber(text);
  bool accepted = v == 0 || (v >= 15 && v <= 60);
  return {accepted, PlainNumber(v)};
}

const char* TackAngleMessage() {
  return "TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis";
}

int TackAngleValue(std::string_view text) {
  double v = std::nearbyint(ParseNumber(text));
  if (!std::isfinite(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

}  // namespace wl
