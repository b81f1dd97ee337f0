#pragma once
// Every setting the program holds while it runs: the in-memory values and the live values (the
// desktop program changes them through its track session). Text boxes are kept as their text,
// since readers parse them at the moment of use.
#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "track/track_reader.h"

namespace wl {

enum class WindSentence { MWV, MWD, VWR };
// Where the sentence time comes from: the computer clock (UTC) or the point's recorded time.
enum class NmeaTimeSource { Now, Track };
// Where the sentences go.
enum class NmeaOutputKind { Serial, Tcp, Udp };

struct WindowGeometry {
  float left = 0, top = 0, width = 11850, height = 7000;  // twips
};

struct SettingsValues {
  // In-memory values.
  float PlotSpeedHigh = -1;
  float PlotSpeedLow = -1;
  bool PlotSpeedFixed = false;
  bool PlotShowWind = false;
  int32_t WAmin = 40, WAmed = 45, WAmax = 55;
  int32_t WAminPlus1 = 41, WAmedPlus1 = 46;
  bool FlagWindTWA = true;

  // Main window.
  WindowGeometry mainGeometry;
  std::string tackAngle{DefaultText(SettingKey::TackAngle)};  // text of the TackAngle box

  // Live values: general tab.
  std::string txtDfDev{DefaultText(SettingKey::DefaultDeviation)};
  bool useTrueHeading = false;  // optTrueHDG selected (else optDevNone)
  std::string txtTimeOffset{DefaultText(SettingKey::TimeOffset)};
  bool timeOffsetSign = false;  // chkTimeOffsetSign
  std::string txtPltSpdHigh = "7.5";
  std::string txtPltSpdLow = "3.5";
  bool plotBlack = false;
  bool chkPlotShowWind = false;
  int32_t plotShowText = 0;  // top index of lstPlotShowText
  bool pltUI = true;         // optPltUI selected (else optPltPT)
  std::string simRate{DefaultText(SettingKey::SimRate)};
  std::string txtWAmin = "40", txtWAmed = "45", txtWAmax = "55";

  // Live values: NMEA tab.
  bool nmeaOut = false, depth = false, vhw = false, wind = false;
  WindSentence windSentence = WindSentence::MWV;
  std::string windDir = "270", windSpd = "15", logSpd = "0", dpt = "5";
  std::string windDirVar = "2", windSpdVar = "5", hdgVar = "2", logSpdVar = "5", dptVar = "2";
  bool checksumAll = true;  // a checksum on every sentence, else only on "$GP" ones
  NmeaTimeSource timeSource = NmeaTimeSource::Now;
  bool sendHeading = false;   // .trt: the recorded heading as HDT (true) or HDG (magnetic)
  bool sendTrueWind = false;  // .trt: the recorded true wind as MWV
  NmeaOutputKind nmeaOutput = NmeaOutputKind::Serial;
  uint16_t nmeaTcpPort = 10110;  // the TCP server listens on every interface
  std::string nmeaUdpTarget{DefaultText(SettingKey::NMEAUdpTarget)};

  // The reader's view of the live values; the text views stay valid while this object does.
  ReaderSettings Reader(bool repairHeading) const;
  // A speed scale derived from a track: the in-memory values and the speed boxes follow it.
  void UseDerivedSpeedScale(float high, float low);
};

// Start-up: reads section "Settings" in the program's fixed order into a fresh values object,
// running the start-up checks. The screen size (twips) gives the default window position. What
// start-up writes back (the clamped simulation rate, restored choices) goes to writeBack.
SettingsValues LoadSettingsValues(const SettingsStore& store, float screenWidth, float screenHeight,
                                  const SettingWriter& writeBack);

// The text a stored key gets from the values, as its writer stores it; nothing for a key the
// values do not hold (FileOpen, Properties) or one that is not stored.
std::optional<std::string> StoredText(const SettingsValues& values, SettingKey key);

// Clamps a simulation rate text to 15..600 ("15" for text that is not a number); the result is
// the whole number as text.
std::string CheckSimRate(std::string_view text);

// Conversions used on reading and writing stored texts.
bool ReadBoolText(std::string_view text, bool defaultValue);
const char* BoolText(bool b);  // "True" / "False"
std::string OneDecimalText(float v);

}  // namespace wl
