#include "nmea/port_properties.h"

#include <array>
#include <cctype>
#include <charconv>

namespace wl {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool Whole(std::string_view s, int32_t lo, int32_t hi, int32_t& value) {
  auto res = std::from_chars(s.data(), s.data() + s.size(), value);
  return !s.empty() && res.ec == std::errc() && res.ptr == s.data() + s.size() && value >= lo && value <= hi;
}

}  // namespace

bool ParseLineSettings(std::string_view text, LineSettings& out, std::string& error) {
  std::array<std::string_view, 4> f;
  size_t n = 0;
  for (std::string_view rest = text;; ++n) {
    size_t comma = rest.find(',');
    if (n < f.size()) f[n] = Trim(rest.substr(0, comma));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  error = "line settings \"" + std::string(text) + "\": ";
  if (n + 1 != f.size()) {
    error += "expected speed, parity, data bits, stop bits";
    return false;
  }
  LineSettings s;
  if (!Whole(f[0], 1, 4000000, s.speed)) {
    error += "speed must be a whole number";
    return false;
  }
  static constexpr std::string_view kParity = "neoms";
  size_t p = f[1].size() == 1 ? kParity.find(static_cast<char>(std::tolower(static_cast<unsigned char>(f[1][0]))))
                              : std::string_view::npos;
  if (p == std::string_view::npos) {
    error += "parity must be n, e, o, m or s";
    return false;
  }
  s.parity = static_cast<LineSettings::Parity>(p);
  if (!Whole(f[2], 5, 8, s.dataBits)) {
    error += "data bits must be 5 to 8";
    return false;
  }
  if (f[3] == "1") {
    s.stopBits = LineSettings::StopBits::One;
  } else if (f[3] == "1.5") {
    s.stopBits = LineSettings::StopBits::OneAndHalf;
  } else if (f[3] == "2") {
    s.stopBits = LineSettings::StopBits::Two;
  } else {
    error += "stop bits must be 1, 1.5 or 2";
    return false;
  }
  out = s;
  error.clear();
  return true;
}

}  // namespace wl
