#pragma once
// The NMEA 0183 sentences of one instrument burst, each returned complete with its line end.
// Numbers are 32-bit floats, formatted as the table formats them.
#include <string>
#include <string_view>

#include "track/track_rec.h"

namespace wl {

// The tail that closes sentence s: "*" + two upper-case hex digits + CR LF for every sentence when
// checksumAll, else for "$GP" sentences only and CR LF alone for the others.
std::string NMEA_Endline(std::string_view s, bool checksumAll);

// a - b as a whole number of degrees (half to even), modulo 360 keeping the dividend's sign,
// then brought into -180 exclusive .. 180 inclusive. Non-finite input gives 0.
float RelAngle(double a, double b);

// time: a UTC day count; its time of day goes out as "HHMMSS", its date as "DDMMYY".
std::string BuildRMC(double time, PosRec pos, float sog, float cog, bool checksumAll);
// Depth in metres, in the metre field of the six (feet, metres, fathoms).
std::string BuildDBT(float depth, bool checksumAll);
std::string BuildVHW(float heading, float speed, bool checksumAll);
std::string BuildMWV(float angle, std::string_view reference, float speed, std::string_view unit,
                     bool checksumAll);
std::string BuildVWR(float angle, float knots, float metresPerSecond, float kmPerHour, bool checksumAll);
// A true heading as HDT, a magnetic one as HDG without deviation and variation.
std::string BuildHeading(float heading, bool isTrue, bool checksumAll);

}  // namespace wl
