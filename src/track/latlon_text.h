#pragma once
#include <cstdint>
#include <string>

namespace wl {

// mode 1: NMEA form ("5230.000,N"); otherwise table form ("52 N 30.000").
std::string LatText(int32_t lat, int16_t mode);
std::string LonText(int32_t lon, int16_t mode);

}  // namespace wl
