#include "track/latlon_text.h"

#include "track/number_format.h"

namespace wl {
namespace {

// Latitude 0 and longitude 0 count as south and west. 64-bit so that -INT32_MIN is representable.
std::string CoordinateText(int32_t value, int16_t mode, char positive, char negative,
                           const char* nmeaDegrees) {
  const bool south = value <= 0;
  const int64_t a = south ? -static_cast<int64_t>(value) : value;
  const int64_t deg = a / 60000;
  const double min = static_cast<double>(a) / 1000 - static_cast<double>(deg) * 60;
  const char hemisphere = south ? negative : positive;
  std::string out;
  if (mode == 1) {
    AppendNumber(out, static_cast<double>(deg), nmeaDegrees, '.');
    AppendNumber(out, min, "00.000", '.');
    out += ',';
    out += hemisphere;
  } else {
    const char separator = LocaleDecimalSeparator();
    AppendNumber(out, static_cast<double>(deg), "00", separator);
    out += ' ';
    out += hemisphere;
    out += ' ';
    AppendNumber(out, min, "00.000", separator);
  }
  return out;
}

}  // namespace

std::string LatText(int32_t lat, int16_t mode) { return CoordinateText(lat, mode, 'N', 'S', "00"); }

std::string LonText(int32_t lon, int16_t mode) { return CoordinateText(lon, mode, 'E', 'W', "000"); }

}  // namespace wl
