#include "track/float_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace wl {

static void StripZeros(std::string& s) {
  if (s.find('.') == std::string::npos) return;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
}

std::string ShortFloatText(float v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  if (v == 0) return "0";
  char buf[64];
  std::string sci;
  for (int digits = 1; digits <= 7; ++digits) {
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::scientific, digits - 1);
    sci.assign(buf, res.ptr);
    float back = 0;
    std::from_chars(sci.data(), sci.data() + sci.size(), back);
    if (back == v) break;
  }
  size_t e = sci.find('e');
  int exp10 = std::atoi(sci.c_str() + e + 1);
  int digits = static_cast<int>(e) - (sci[0] == '-' ? 1 : 0) - (sci.find('.') < e ? 1 : 0);
  if (exp10 < -4 || exp10 >= 7) {
    std::string mantissa = sci.substr(0, e);
    StripZeros(mantissa);
    std::string exponent = sci.substr(e + 1);  // "+07", "-05": at least two digits as %g
    return mantissa + "e" + exponent;
  }
  int decimals = digits - 1 - exp10;
  if (decimals < 0) decimals = 0;
  auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::fixed, decimals);
  std::string plain(buf, res.ptr);
  StripZeros(plain);
  return plain;
}

}  // namespace wl
