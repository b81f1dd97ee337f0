#include "nmea/nmea_clock.h"

#include <ctime>

#include "track/date_format.h"

namespace wl {

double SystemClock::LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  return static_cast<double>(DaysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)) +
         seconds / 86400.0;
}

}  // namespace wl
