#pragma once
// The checks the settings dialog runs on its boxes: what a typed text becomes, and whether the
// value is taken.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_values.h"

namespace wl {

// The text-on-plot chooser, by its top entry: " ", "All", "Nothing", "Tack & Wait", " ".
// A click steps to the next choice ("Tack & Wait" back to "All"); scrolling onto a blank entry
// wraps round to the choice at the other end.
int32_t ClickedPlotShowText(int32_t top);
int32_t ScrolledPlotShowText(int32_t top);

enum class SpeedLimit { Low, High };
// The message when the limit's box, read against the other box, is refused; empty when taken.
std::string PlotSpeedRefusal(SpeedLimit which, std::string_view lowText, std::string_view highText);
// Takes the limit: its box one-decimal, its in-memory value from that text, the scale fixed. An
// in-memory other limit still unset (no track processed yet) takes its box's value.
void TakePlotSpeed(SettingsValues& v, SpeedLimit which, std::string_view lowText, std::string_view highText);

// Wind-angle limits min, med, max: each text a whole, non-negative number ("0" for text that is
// not a number, the size of the whole part otherwise: -2.5 gives 3).
struct WindAngles {
  std::array<int32_t, 3> values{};
  bool ordered = false;  // strictly increasing
};
WindAngles CheckWindAngles(std::string_view min, std::string_view med, std::string_view max);
void TakeWindAngles(SettingsValues& v, const WindAngles& angles);
inline constexpr char kWindAnglesMessage[] = "TWA limits should be in increasing order";

// A time offset as typed, written "hh:mm:ss"; nothing for text that is not a time of day.
std::optional<std::string> TimeOffsetText(std::string_view typed);

// The simulated instrument values: "0" for text that is not a number, a value clamped to 0..top
// (a value within stays as typed).
std::string CheckSimValue(std::string_view text, int32_t top);
// The wind direction: its whole number modulo 360, within 0..359.
std::string CheckWindDirection(std::string_view text);
// A box's whole number, rounded half to even, for its scroll bar (0 for text that is not a number).
int32_t WholeNumber(std::string_view text);

// The network outputs: a TCP port 1..65535, a UDP target HOST:PORT with a port 1..65535.
std::optional<uint16_t> TcpPortValue(std::string_view text);
bool IsUdpTarget(std::string_view text);

}  // namespace wl
