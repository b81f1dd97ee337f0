#pragma once
// Every setting the program holds while it runs, by key. Stored ones have a section, a key name
// and the default that applies while the key is absent; the others start each run at their
// default and live only in memory.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace wl {

class SettingsStore;

enum class SettingKey : uint8_t {
  // Section "Settings".
  MainHeight, MainWidth, MainLeft, MainTop, TackAngle, SimRate, PlotShowText, PlotShowData, UseTrueHeading,
  DefaultDeviation, TimeOffset, TimeOffsetSign, PlotShowWind, PlotSpeedHigh, PlotSpeedLow, WAmin, WAmed, WAmax,
  FlagWindHeading, NMEAChecksumAll, NMEAOutput, NMEATcpPort, NMEAUdpTarget, NMEATimeSource, NMEAHeading, NMEATrueWind,
  // Section "FileOpen": what the track file dialog remembers.
  LastExt, LastFile,
  // Section "Properties": the serial port's values, by default the recommended set. PortSettings
  // is stored as "Settings".
  CommPort, DTREnable, Handshaking, InBufferSize, InputLen, InputMode, NullDiscard, OutBufferSize, ParityReplace,
  RThreshold, RTSEnable, PortSettings, SThreshold,
  // Not stored.
  PlotBlack, NMEAOut, Depth, VHW, Wind, WindSentence, WindDir, WindSpd, LogSpd, Dpt, WindDirVar, WindSpdVar,
  HdgVar, LogSpdVar, DptVar,
};

struct SettingDef {
  SettingKey key;
  std::string_view section;      // empty for a setting that is not stored
  std::string_view name;         // the key name; for one not stored, its control's name
  // While the key is absent. MainLeft and MainTop compute theirs from the screen; a setting that
  // is not stored starts at the value SettingsValues gives it.
  std::string_view defaultText;
};

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kFileOpenSection = "FileOpen";
inline constexpr std::string_view kPropertiesSection = "Properties";

// In the order of SettingKey.
inline constexpr SettingDef kSettingDefs[] = {
    {SettingKey::MainHeight, kSettingsSection, "MainHeight", "7000"},
    {SettingKey::MainWidth, kSettingsSection, "MainWidth", "11850"},
    {SettingKey::MainLeft, kSettingsSection, "MainLeft", ""},
    {SettingKey::MainTop, kSettingsSection, "MainTop", ""},
    {SettingKey::TackAngle, kSettingsSection, "TackAngle", "30"},
    {SettingKey::SimRate, kSettingsSection, "SimRate", "60"},
    {SettingKey::PlotShowText, kSettingsSection, "PlotShowText", "0"},
    {SettingKey::PlotShowData, kSettingsSection, "PlotShowData", "UI"},
    {SettingKey::UseTrueHeading, kSettingsSection, "UseTrueHeading", "False"},
    {SettingKey::DefaultDeviation, kSettingsSection, "DefaultDeviation", "-1.2"},
    {SettingKey::TimeOffset, kSettingsSection, "TimeOffset", "02:00:00"},
    {SettingKey::TimeOffsetSign, kSettingsSection, "TimeOffsetSign", "0"},
    {SettingKey::PlotShowWind, kSettingsSection, "PlotShowWind", "False"},
    {SettingKey::PlotSpeedHigh, kSettingsSection, "PlotSpeedHigh", "-1"},
    {SettingKey::PlotSpeedLow, kSettingsSection, "PlotSpeedLow", "-1"},
    {SettingKey::WAmin, kSettingsSection, "WAmin", "40"},
    {SettingKey::WAmed, kSettingsSection, "WAmed", "45"},
    {SettingKey::WAmax, kSettingsSection, "WAmax", "55"},
    {SettingKey::FlagWindHeading, kSettingsSection, "FlagWindHeading", "TWA"},
    {SettingKey::NMEAChecksumAll, kSettingsSection, "NMEAChecksumAll", "True"},
    {SettingKey::NMEAOutput, kSettingsSection, "NMEAOutput", "Serial"},
    {SettingKey::NMEATcpPort, kSettingsSection, "NMEATcpPort", "10110"},
    {SettingKey::NMEAUdpTarget, kSettingsSection, "NMEAUdpTarget", "127.0.0.1:10110"},
    {SettingKey::NMEATimeSource, kSettingsSection, "NMEATimeSource", "now"},
    {SettingKey::NMEAHeading, kSettingsSection, "NMEAHeading", "False"},
    {SettingKey::NMEATrueWind, kSettingsSection, "NMEATrueWind", "False"},
    {SettingKey::LastExt, kFileOpenSection, "LastExt", "1"},
    {SettingKey::LastFile, kFileOpenSection, "LastFile", ""},
    {SettingKey::CommPort, kPropertiesSection, "CommPort", "1"},
    {SettingKey::DTREnable, kPropertiesSection, "DTREnable", "True"},
    {SettingKey::Handshaking, kPropertiesSection, "Handshaking", "2"},
    {SettingKey::InBufferSize, kPropertiesSection, "InBufferSize", "1024"},
    {SettingKey::InputLen, kPropertiesSection, "InputLen", "0"},
    {SettingKey::InputMode, kPropertiesSection, "InputMode", "0"},
    {SettingKey::NullDiscard, kPropertiesSection, "NullDiscard", "True"},
    {SettingKey::OutBufferSize, kPropertiesSection, "OutBufferSize", "1024"},
    {SettingKey::ParityReplace, kPropertiesSection, "ParityReplace", "?"},
    {SettingKey::RThreshold, kPropertiesSection, "RThreshold", "1"},
    {SettingKey::RTSEnable, kPropertiesSection, "RTSEnable", "True"},
    {SettingKey::PortSettings, kPropertiesSection, "Settings", "4800, n, 8, 1"},
    {SettingKey::SThreshold, kPropertiesSection, "SThreshold", "1"},
    {SettingKey::PlotBlack, "", "chkPlotBlack", ""},
    {SettingKey::NMEAOut, "", "chkNMEAout", ""},
    {SettingKey::Depth, "", "chkDepth", ""},
    {SettingKey::VHW, "", "chkVHW", ""},
    {SettingKey::Wind, "", "chkWind", ""},
    {SettingKey::WindSentence, "", "optMWV", ""},
    {SettingKey::WindDir, "", "txtWindDir", ""},
    {SettingKey::WindSpd, "", "txtWindSpd", ""},
    {SettingKey::LogSpd, "", "txtLogSpd", ""},
    {SettingKey::Dpt, "", "txtDpt", ""},
    {SettingKey::WindDirVar, "", "txtWindDirVar", ""},
    {SettingKey::WindSpdVar, "", "txtWindSpdVar", ""},
    {SettingKey::HdgVar, "", "txtHdgVar", ""},
    {SettingKey::LogSpdVar, "", "txtLogSpdVar", ""},
    {SettingKey::DptVar, "", "txtDptVar", ""},
};

constexpr const SettingDef& Setting(SettingKey key) { return kSettingDefs[static_cast<size_t>(key)]; }
constexpr std::string_view DefaultText(SettingKey key) { return Setting(key).defaultText; }

// The stored text, or the key's default when the key is absent.
std::string ReadSetting(const SettingsStore& store, SettingKey key);

// Where a stored key's text goes: the desktop program passes one writer for all of them.
using SettingWriter = std::function<void(SettingKey key, std::string_view text)>;

}  // namespace wl
