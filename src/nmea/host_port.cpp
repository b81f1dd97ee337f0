#include "nmea/host_port.h"

#include <charconv>

namespace wl {

bool SplitHostPort(std::string_view text, std::string& host, uint16_t& port) {
  size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  std::string_view h = text.substr(0, colon), p = text.substr(colon + 1);
  if (h.size() >= 2 && h.front() == '[' && h.back() == ']') h = h.substr(1, h.size() - 2);
  auto res = std::from_chars(p.data(), p.data() + p.size(), port);
  if (p.empty() || res.ec != std::errc() || res.ptr != p.data() + p.size() || h.empty()) return false;
  host = h;
  return true;
}

}  // namespace wl
