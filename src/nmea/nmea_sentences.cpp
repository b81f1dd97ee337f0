#include "nmea/nmea_sentences.h"

#include <cmath>

#include "track/date_format.h"
#include "track/latlon_text.h"
#include "track/number_format.h"

namespace wl {
namespace {

void Number(std::string& out, float value, std::string_view pattern) { AppendNumber(out, value, pattern, '.'); }

std::string Closed(std::string s, bool checksumAll) {
  s += NMEA_Endline(s, checksumAll);
  return s;
}

}  // namespace

std::string NMEA_Endline(std::string_view s, bool checksumAll) {
  if (!checksumAll && s.substr(0, 3) != "$GP") return "\r\n";
  unsigned c = 0;
  for (char ch : s.substr(!s.empty() && s[0] == '$' ? 1 : 0)) c ^= static_cast<unsigned char>(ch);
  static constexpr char kHex[] = "0123456789ABCDEF";
  return {'*', kHex[c >> 4], kHex[c & 15], '\r', '\n'};
}

float RelAngle(double a, double b) {
  double d = a - b;
  if (!std::isfinite(d)) return 0;
  d = std::fmod(std::nearbyint(d), 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return static_cast<float>(d);
}

std::string BuildRMC(double time, PosRec pos, float sog, float cog, bool checksumAll) {
  std::string s = "$GPRMC,";
  AppendDate(s, time, "HHMMSS");
  s += ",A,";
  s += LatText(pos.Lat, 1);
  s += ',';
  s += LonText(pos.Lon, 1);
  s += ',';
  Number(s, sog, "000.0");
  s += ',';
  Number(s, cog, "000.0");
  s += ',';
  AppendDate(s, time, "DDMMYY");
  s += ",001.6,W";
  return Closed(std::move(s), checksumAll);
}

std::string BuildDBT(float depth, bool checksumAll) {
  std::string s = "$STDBT,,f,";
  Number(s, depth, "0000.0");
  s += ",M,,F";
  return Closed(std::move(s), checksumAll);
}

std::string BuildVHW(float heading, float speed, bool checksumAll) {
  std::string s = "$STVHW,,,";
  Number(s, heading, "000.0");
  s += ",M,";
  Number(s, speed, "000.00");
  s += ",N,,";
  return Closed(std::move(s), checksumAll);
}

std::string BuildMWV(float angle, std::string_view reference, float speed, std::string_view unit,
                     bool checksumAll) {
  std::string s = "$WIMWV,";
  Number(s, angle, "00.0");
  s += ',';
  s += reference;
  s += ',';
  Number(s, speed, "0.0");
  s += ',';
  s += unit;
  s += ",A";
  return Closed(std::move(s), checksumAll);
}

std::string BuildVWR(float angle, float knots, float metresPerSecond, float kmPerHour, bool checksumAll) {
  std::string s = "$STVWR,";
  Number(s, std::fabs(angle), "000.0");
  s += angle < 0 ? ",L," : ",R,";
  Number(s, knots, "000.0");
  s += ",N,";
  Number(s, metresPerSecond, "000.0");
  s += ",m,";
  Number(s, kmPerHour, "000.0");
  s += ",K";
  return Closed(std::move(s), checksumAll);
}

std::string BuildHeading(float heading, bool isTrue, bool checksumAll) {
  std::string s = isTrue ? "$HEHDT," : "$HCHDG,";
  Number(s, heading, "000.0");
  s += isTrue ? ",T" : ",,,,";
  return Closed(std::move(s), checksumAll);
}

}  // namespace wl
