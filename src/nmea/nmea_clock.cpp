#include "nmea/nmea_clock.h"

#include <ctime>

#include "track/date_format.h"

namespace wl {

double SystemClock::UtcNow() {
  static const double kUnixEpoch = static_cast<double>(DaysFromCivil(1970, 1, 1));
  return kUnixEpoch + static_cast<double>(std::time(nullptr)) / 86400.0;
}

}  // namespace wl
