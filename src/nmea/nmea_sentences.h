#pragma once
// The NMEA 0183 sentences of one instrument burst, each returned complete with its line end.
#include <string>
#include <string_view>

#include "track/track_rec.h"

namespace wl {

// The tail that closes sentence s: "*" + two upper-case hex digits + CR LF for "$GP" sentences
// (for every sentence when checksumAll), else CR LF alone.
std::string NMEA_Endline(std::string_view s, bool checksumAll);

// a - b as a whole number of degrees (half to even), modulo 360 keeping the dividend's sign,
// then brought into -180 exclusive .. 180 inclusive. Non-finite input gives 0.
float RelAngle(double a, double b);

// time: a day count; only its time of day ("HHMMSS") and its date ("DDMMYY") are used.
std::string BuildRMC(double time, PosRec pos, double sog, double cog, bool checksumAll);
std::string BuildDBT(double depth, bool checksumAll);
std::string BuildVHW(double heading, double speed, bool checksumAll);
std::string BuildMWV(double angle, std::string_view reference, double speed, std::string_view unit,
                     bool checksumAll);
std::string BuildVWR(double angle, double knots, double metresPerSecond, double kmPerHour, bool checksumAll);

}  // namespace wl
