#include "settings/settings_values.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "settings/locale_number.h"
#include "settings/setting_checks.h"
#include "track/float_text.h"
#include "track/number_format.h"
#include "track/number_parser.h"

namespace wl {

namespace {

// A stored measure read as a number in the locale; unreadable text keeps the default.
float StoredFloat(const SettingsStore& store, SettingKey key, double defaultValue) {
  double v;
  if (!ReadLocaleNumber(ReadSetting(store, key), v) || std::fabs(v) > FLT_MAX) v = defaultValue;
  return static_cast<float>(v);
}

int32_t StoredWhole(const SettingsStore& store, SettingKey key, int32_t hi) {
  int32_t v = 0;
  if (ReadLocaleWhole(ReadSetting(store, key), std::numeric_limits<int32_t>::min(), hi, v)) return v;
  ReadLocaleWhole(DefaultText(key), 0, hi, v);
  return v;
}

// A plot speed: the leading number of the text; one that a float cannot hold counts as unset.
float StoredSpeed(const SettingsStore& store, SettingKey key) {
  const double v = ParseNumber(ReadSetting(store, key));
  return std::isfinite(v) && std::fabs(v) <= FLT_MAX ? static_cast<float>(v) : -1.0f;
}

// By NmeaOutputKind.
constexpr const char* kOutputTexts[] = {"Serial", "TCP", "UDP"};

// A window measure as the locale writes a 32-bit float.
std::string LocaleFloatText(float v) {
  std::string t = ShortFloatText(v);
  std::replace(t.begin(), t.end(), '.', LocaleDecimalSeparator());
  return t;
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

SettingsValues LoadSettingsValues(const SettingsStore& store, float screenWidth, float screenHeight,
                                  const SettingWriter& writeBack) {
  SettingsValues s;
  auto writeBackAs = [&](SettingKey key) { writeBack(key, *StoredText(s, key)); };

  WindowGeometry& g = s.mainGeometry;
  g.height = StoredFloat(store, SettingKey::MainHeight, g.height);
  g.width = StoredFloat(store, SettingKey::MainWidth, g.width);
  // The defaults centre a window of the default size, whatever size was stored.
  const WindowGeometry defaults;
  g.left = StoredFloat(store, SettingKey::MainLeft, (double{screenWidth} - defaults.width) / 2);
  g.top = StoredFloat(store, SettingKey::MainTop, (double{screenHeight} - defaults.height) / 2);

  s.tackAngle = ReadSetting(store, SettingKey::TackAngle);

  s.simRate = CheckSimRate(ReadSetting(store, SettingKey::SimRate));
  writeBackAs(SettingKey::SimRate);

  // Restoring a control that differs from its design state runs its handler, which stores the
  // value again; that is why some of the values below are written back.
  double showText;
  if (!ReadLocaleNumber(ReadSetting(store, SettingKey::PlotShowText), showText)) showText = 0;
  s.plotShowText = static_cast<int32_t>(std::nearbyint(std::clamp(showText, 0.0, 4.0)));
  // The chooser's scroll handler runs for a change of its top entry: a blank one wraps round.
  if (s.plotShowText != 0) s.plotShowText = ScrolledPlotShowText(s.plotShowText);
  if (s.plotShowText != 0) writeBackAs(SettingKey::PlotShowText);

  s.pltUI = ReadSetting(store, SettingKey::PlotShowData) == "UI";
  if (!s.pltUI) writeBackAs(SettingKey::PlotShowData);

  s.useTrueHeading = ReadBoolText(ReadSetting(store, SettingKey::UseTrueHeading), false);
  if (s.useTrueHeading) writeBackAs(SettingKey::UseTrueHeading);

  s.txtDfDev = ReadSetting(store, SettingKey::DefaultDeviation);
  s.txtTimeOffset = ReadSetting(store, SettingKey::TimeOffset);
  double sign;
  s.timeOffsetSign =
      ReadLocaleNumber(ReadSetting(store, SettingKey::TimeOffsetSign), sign) && std::nearbyint(sign) != 0;
  if (s.timeOffsetSign) writeBackAs(SettingKey::TimeOffsetSign);

  s.PlotShowWind = ReadBoolText(ReadSetting(store, SettingKey::PlotShowWind), false);
  s.chkPlotShowWind = s.PlotShowWind;
  if (s.PlotShowWind) writeBackAs(SettingKey::PlotShowWind);

  s.PlotSpeedHigh = StoredSpeed(store, SettingKey::PlotSpeedHigh);
  s.PlotSpeedLow = StoredSpeed(store, SettingKey::PlotSpeedLow);
  s.PlotSpeedFixed = s.PlotSpeedHigh != -1 && s.PlotSpeedLow != -1;
  if (s.PlotSpeedFixed) {
    s.txtPltSpdHigh = OneDecimalText(s.PlotSpeedHigh);
    s.txtPltSpdLow = OneDecimalText(s.PlotSpeedLow);
  }

  // WAmin and WAmed leave room for their "+ 1" companions.
  constexpr int32_t kBelowMax = std::numeric_limits<int32_t>::max() - 1;
  s.WAmin = StoredWhole(store, SettingKey::WAmin, kBelowMax);
  s.WAminPlus1 = s.WAmin + 1;
  s.txtWAmin = std::to_string(s.WAmin);
  s.WAmed = StoredWhole(store, SettingKey::WAmed, kBelowMax);
  s.WAmedPlus1 = s.WAmed + 1;
  s.txtWAmed = std::to_string(s.WAmed);
  s.WAmax = StoredWhole(store, SettingKey::WAmax, std::numeric_limits<int32_t>::max());
  s.txtWAmax = std::to_string(s.WAmax);

  s.FlagWindTWA = ReadSetting(store, SettingKey::FlagWindHeading) == "TWA";
  if (!s.FlagWindTWA) writeBackAs(SettingKey::FlagWindHeading);

  s.checksumAll = ReadBoolText(ReadSetting(store, SettingKey::NMEAChecksumAll), true);
  const std::string output = ReadSetting(store, SettingKey::NMEAOutput);
  if (EqualsNoCase(output, "TCP")) s.nmeaOutput = NmeaOutputKind::Tcp;
  if (EqualsNoCase(output, "UDP")) s.nmeaOutput = NmeaOutputKind::Udp;
  s.nmeaTcpPort = TcpPortValue(ReadSetting(store, SettingKey::NMEATcpPort)).value_or(s.nmeaTcpPort);
  const std::string target = ReadSetting(store, SettingKey::NMEAUdpTarget);
  if (IsUdpTarget(target)) s.nmeaUdpTarget = target;
  if (EqualsNoCase(ReadSetting(store, SettingKey::NMEATimeSource), "track")) s.timeSource = NmeaTimeSource::Track;
  s.sendHeading = ReadBoolText(ReadSetting(store, SettingKey::NMEAHeading), false);
  s.sendTrueWind = ReadBoolText(ReadSetting(store, SettingKey::NMEATrueWind), false);
  return s;
}

std::optional<std::string> StoredText(const SettingsValues& v, SettingKey key) {
  const WindowGeometry& g = v.mainGeometry;
  switch (key) {
    case SettingKey::MainHeight: return LocaleFloatText(g.height);
    case SettingKey::MainWidth: return LocaleFloatText(g.width);
    case SettingKey::MainLeft: return LocaleFloatText(g.left);
    case SettingKey::MainTop: return LocaleFloatText(g.top);
    case SettingKey::TackAngle: return v.tackAngle;
    case SettingKey::SimRate: return v.simRate;
    case SettingKey::PlotShowText: return std::to_string(v.plotShowText);
    case SettingKey::PlotShowData: return v.pltUI ? "UI" : "PT";
    case SettingKey::UseTrueHeading: return BoolText(v.useTrueHeading);
    case SettingKey::DefaultDeviation: return v.txtDfDev;
    case SettingKey::TimeOffset: return v.txtTimeOffset;
    case SettingKey::TimeOffsetSign: return v.timeOffsetSign ? "1" : "0";
    case SettingKey::PlotShowWind: return BoolText(v.PlotShowWind);
    case SettingKey::PlotSpeedHigh: return OneDecimalText(v.PlotSpeedHigh);
    case SettingKey::PlotSpeedLow: return OneDecimalText(v.PlotSpeedLow);
    case SettingKey::WAmin: return std::to_string(v.WAmin);
    case SettingKey::WAmed: return std::to_string(v.WAmed);
    case SettingKey::WAmax: return std::to_string(v.WAmax);
    case SettingKey::FlagWindHeading: return v.FlagWindTWA ? "TWA" : "AWA";
    case SettingKey::NMEAChecksumAll: return BoolText(v.checksumAll);
    case SettingKey::NMEAOutput: return kOutputTexts[static_cast<size_t>(v.nmeaOutput)];
    case SettingKey::NMEATcpPort: return std::to_string(v.nmeaTcpPort);
    case SettingKey::NMEAUdpTarget: return v.nmeaUdpTarget;
    case SettingKey::NMEATimeSource: return v.timeSource == NmeaTimeSource::Track ? "track" : "now";
    case SettingKey::NMEAHeading: return BoolText(v.sendHeading);
    case SettingKey::NMEATrueWind: return BoolText(v.sendTrueWind);
    default: return std::nullopt;
  }
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
