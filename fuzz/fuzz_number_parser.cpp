// The number parser on arbitrary text, its result through the number and date patterns, and a
// round trip: a finite value written with three decimals must read back within half a thousandth.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "track/date_format.h"
#include "track/number_format.h"
#include "track/number_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double v = wl::ParseNumber(text);
  for (const char* pattern : {"0", "000", "0.0", "00.000", "#", "#.00"}) {
    wl::FormatNumber(v, pattern, ',');
  }
  wl::FormatDate(v, "YYYYMMDD HH:MM:SS ddd d MMM yy h:n:s");

  if (std::isfinite(v) && std::fabs(v) < 1e12) {
    const double back = wl::ParseNumber(wl::FormatNumber(v, "0.000", '.'));
    if (std::fabs(back - v) > 0.0005 + std::fabs(v) * 1e-14) std::abort();
  }
  return 0;
}
