#include "settings/setting_checks.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nmea/host_port.h"
#include "settings/locale_number.h"
#include "track/date_format.h"
#include "track/local_time.h"
#include "track/number_parser.h"

namespace wl {

namespace {

constexpr int32_t kTextAll = 1, kTextTackAndWait = 3, kTextBlankBelow = 4;

}  // namespace

int32_t ClickedPlotShowText(int32_t top) {
  return top == kTextTackAndWait ? kTextAll : ScrolledPlotShowText(top + 1);
}

int32_t ScrolledPlotShowText(int32_t top) {
  if (top >= kTextBlankBelow) return kTextAll;
  if (top <= 0) return kTextTackAndWait;
  return top;
}

std::string PlotSpeedRefusal(SpeedLimit which, std::string_view lowText, std::string_view highText) {
  const double low = ParseNumber(lowText), high = ParseNumber(highText);
  if (which == SpeedLimit::Low && (low < 0 || high < low))
    return "The Low spead for plot colors must be a value betwen 0 and the high speed";
  if (which == SpeedLimit::High && (high > 99 || high < low))
    return "The High spead for plot colors must be a value betwen the Low speed and 99";
  return {};
}

void TakePlotSpeed(SettingsValues& v, SpeedLimit which, std::string_view lowText, std::string_view highText) {
  const bool low = which == SpeedLimit::Low;
  std::string& box = low ? v.txtPltSpdLow : v.txtPltSpdHigh;
  box = OneDecimalText(static_cast<float>(ParseNumber(low ? lowText : highText)));
  (low ? v.PlotSpeedLow : v.PlotSpeedHigh) = static_cast<float>(ParseNumber(box));
  float& other = low ? v.PlotSpeedHigh : v.PlotSpeedLow;
  // Stored as "-1.0", an unset other limit would leave the scale fixed at a nonsense value.
  if (other == -1) other = static_cast<float>(ParseNumber(low ? highText : lowText));
  v.PlotSpeedFixed = true;
}

WindAngles CheckWindAngles(std::string_view min, std::string_view med, std::string_view max) {
  WindAngles a;
  const std::string_view texts[] = {min, med, max};
  for (size_t i = 0; i < a.values.size(); ++i) {
    double v = 0;
    if (!ReadLocaleNumber(texts[i], v)) v = 0;
    // Room for the "+ 1" companions of the limits.
    constexpr double kMost = std::numeric_limits<int32_t>::max() - 1;
    a.values[i] = static_cast<int32_t>(std::min(std::fabs(std::floor(v)), kMost));
  }
  a.ordered = a.values[0] < a.values[1] && a.values[1] < a.values[2];
  return a;
}

void TakeWindAngles(SettingsValues& v, const WindAngles& angles) {
  v.WAmin = angles.values[0];
  v.WAmed = angles.values[1];
  v.WAmax = angles.values[2];
  v.WAminPlus1 = v.WAmin + 1;
  v.WAmedPlus1 = v.WAmed + 1;
  v.txtWAmin = std::to_string(v.WAmin);
  v.txtWAmed = std::to_string(v.WAmed);
  v.txtWAmax = std::to_string(v.WAmax);
}

std::optional<std::string> TimeOffsetText(std::string_view typed) {
  int64_t seconds = 0;
  if (!ParseTimeOfDay(typed, seconds)) return std::nullopt;
  return FormatDate(static_cast<double>(seconds) / 86400.0, "hh:mm:ss");
}

std::string CheckSimValue(std::string_view text, int32_t top) {
  double v = 0;
  if (!ReadLocaleNumber(text, v)) return "0";
  if (v < 0) return "0";
  if (v > top) return std::to_string(top);
  return std::string(text);
}

std::string CheckWindDirection(std::string_view text) {
  const int32_t whole = WholeNumber(text) % 360;
  return std::to_string(whole < 0 ? whole + 360 : whole);
}

int32_t WholeNumber(std::string_view text) {
  double v = 0;
  if (!ReadLocaleNumber(text, v)) return 0;
  constexpr double kMost = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::nearbyint(std::clamp(v, -kMost, kMost)));
}

std::optional<uint16_t> TcpPortValue(std::string_view text) {
  int32_t port = 0;
  if (!ReadLocaleWhole(text, 1, 65535, port) || text.find_first_not_of("0123456789 ") != std::string_view::npos)
    return std::nullopt;
  return static_cast<uint16_t>(port);
}

bool IsUdpTarget(std::string_view text) {
  std::string host;
  uint16_t port = 0;
  return SplitHostPort(text, host, port) && port != 0 && host.find(' ') == std::string::npos;
}

}  // namespace wl
