#include "settings/settings_values.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "settings/locale_number.h"
#include "track/number_format.h"
#include "track/number_parser.h"

namespace wl {

namespace {

constexpr std::string_view kSection = "Settings";

// A stored measure read as a number in the locale; unreadable text keeps the default.
float StoredFloat(const SettingsStore& store, std::string_view key, double defaultValue) {
  double v;
  if (!ReadLocaleNumber(store.Get(kSection, key, ""), v) || std::fabs(v) > FLT_MAX) v = defaultValue;
  return static_cast<float>(v);
}

int32_t StoredWhole(const SettingsStore& store, std::string_view key, int32_t defaultValue, int32_t hi) {
  int32_t v;
  return ReadLocaleWhole(store.Get(kSection, key, ""), std::numeric_limits<int32_t>::min(), hi, v) ? v
                                                                                                   : defaultValue;
}

// A plot speed: the leading number of the text; one that a float cannot hold counts as unset.
float StoredSpeed(const SettingsStore& store, std::string_view key) {
  const double v = ParseNumber(store.Get(kSection, key, "-1"));
  return std::isfinite(v) && std::fabs(v) <= FLT_MAX ? static_cast<float>(v) : -1.0f;
}

}  // namespace

bool ReadBoolText(std::string_view text, bool defaultValue) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (EqualsNoCase(text, "True")) return true;
  if (EqualsNoCase(text, "False")) return false;
  double v;
  return ReadLocaleNumber(text, v) ? v != 0 : defaultValue;
}

const char* BoolText(bool b) { return b ? "True" : "False"; }

std::string OneDecimalText(float v) { return FormatPoint(v, "0.0"); }

void SettingsValues::UseDerivedSpeedScale(float high, float low) {
  PlotSpeedHigh = high;
  PlotSpeedLow = low;
  txtPltSpdHigh = OneDecimalText(high);
  txtPltSpdLow = OneDecimalText(low);
}

std::string CheckSimRate(std::string_view text) {
  double v;
  if (!ReadLocaleNumber(text, v) || v < 15) return "15";
  if (v > 600) return "600";
  return std::to_string(static_cast<int32_t>(std::nearbyint(v)));
}

SettingsValues LoadSettingsValues(SettingsStore& store, float screenWidth, float screenHeight) {
  SettingsValues s;

  WindowGeometry& g = s.mainGeometry;
  g.height = StoredFloat(store, "MainHeight", 7000);
  g.width = StoredFloat(store, "MainWidth", 11850);
  // The defaults centre a window of the default size, whatever size was stored.
  g.left = StoredFloat(store, "MainLeft", (double{screenWidth} - 11850) / 2);
  g.top = StoredFloat(store, "MainTop", (double{screenHeight} - 7000) / 2);

  s.tackAngle = store.Get(kSection, "TackAngle", "30");

  s.simRate = CheckSimRate(store.Get(kSection, "SimRate", "60"));
  store.Save(kSection, "SimRate", s.simRate);

  // Restoring a control that differs from its design state runs its handler, which stores the
  // value again; that is why some of the values below are written back.
  double showText;
  if (!ReadLocaleNumber(store.Get(kSection, "PlotShowText", "0"), showText)) showText = 0;
  s.plotShowText = static_cast<int32_t>(std::nearbyint(std::clamp(showText, 0.0, 4.0)));
  if (s.plotShowText != 0) store.Save(kSection, "PlotShowText", std::to_string(s.plotShowText));

  s.pltUI = store.Get(kSection, "PlotShowDATA", "UI") == "UI";
  if (!s.pltUI) store.Save(kSection, "PlotShowData", "PT");

  s.useTrueHeading = ReadBoolText(store.Get(kSection, "UseTrueHeading", "False"), false);
  if (s.useTrueHeading) store.Save(kSection, "UseTrueHeading", BoolText(true));

  s.txtDfDev = store.Get(kSection, "DefaultDeviation", "-1.2");
  s.txtTimeOffset = store.Get(kSection, "TimeOffset", "02:00:00");
  double sign;
  s.timeOffsetSign = ReadLocaleNumber(store.Get(kSection, "TimeOffsetSign", "0"), sign) && std::nearbyint(sign) != 0;
  if (s.timeOffsetSign) store.Save(kSection, "TimeOffsetSign", "1");

  s.PlotShowWind = ReadBoolText(store.Get(kSection, "PlotShowWind", "False"), false);
  s.chkPlotShowWind = s.PlotShowWind;
  if (s.PlotShowWind) store.Save(kSection, "PlotShowWind", BoolText(true));

  s.PlotSpeedHigh = StoredSpeed(store, "PlotSpeedHigh");
  s.PlotSpeedLow = StoredSpeed(store, "PlotSpeedLow");
  s.PlotSpeedFixed = s.PlotSpeedHigh != -1 && s.PlotSpeedLow != -1;
  if (s.PlotSpeedFixed) {
    s.txtPltSpdHigh = OneDecimalText(s.PlotSpeedHigh);
    s.txtPltSpdLow = OneDecimalText(s.PlotSpeedLow);
  }

  // WAmin and WAmed leave room for their "+ 1" companions.
  constexpr int32_t kBelowMax = std::numeric_limits<int32_t>::max() - 1;
  s.WAmin = StoredWhole(store, "WAmin", 40, kBelowMax);
  s.WAminPlus1 = s.WAmin + 1;
  s.txtWAmin = std::to_string(s.WAmin);
  s.WAmed = StoredWhole(store, "WAmed", 45, kBelowMax);
  s.WAmedPlus1 = s.WAmed + 1;
  s.txtWAmed = std::to_string(s.WAmed);
  s.WAmax = StoredWhole(store, "WAmax", 55, std::numeric_limits<int32_t>::max());
  s.txtWAmax = std::to_string(s.WAmax);

  s.FlagWindTWA = store.Get(kSection, "FlagWindHeading", "TWA") == "TWA";
  if (!s.FlagWindTWA) store.Save(kSection, "FlagWindHeading", "AWA");

  s.checksumAll = ReadBoolText(store.Get(kSection, "NMEAChecksumAll", "True"), true);
  return s;
}

ReaderSettings SettingsValues::Reader(bool repairHeading) const {
  ReaderSettings r;
  r.defaultDeviation = txtDfDev;
  r.useTrueHeading = useTrueHeading;
  r.timeOffset = TimeOffsetSetting{txtTimeOffset, timeOffsetSign};
  r.repairHeading = repairHeading;
  return r;
}

}  // namespace wl
