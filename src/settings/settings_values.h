#pragma once
// Every setting the program holds while it runs: the in-memory values and the live values (the
// settings dialog will edit this same object). Text boxes are kept as their text, since readers
// parse them at the moment of use.
#include <cstdint>
#include <string>

#include "settings/settings_store.h"
#include "track/track_reader.h"

namespace wl {

enum class WindSentence { MWV, MWD, VWR };
// Where the sentence time comes from: the computer clock (UTC) or the point's recorded time.
enum class NmeaTimeSource { Now, Track };

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
  std::string tackAngle = "30";  // text of the TackAngle box

  // Live values: general tab.
  std::string txtDfDev = "-1.2";
  bool useTrueHeading = false;  // optTrueHDG selected (else optDevNone)
  std::string txtTimeOffset = "02:00:00";
  bool timeOffsetSign = false;  // chkTimeOffsetSign
  std::string txtPltSpdHigh = "7.5";
  std::string txtPltSpdLow = "3.5";
  bool plotBlack = false;
  bool chkPlotShowWind = false;
  int32_t plotShowText = 0;  // top index of lstPlotShowText
  bool pltUI = true;         // optPltUI selected (else optPltPT)
  std::string simRate = "60";
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

  // The reader's view of the live values; the text views stay valid while this object does.
  ReaderSettings Reader(bool repairHeading) const;
  // A speed scale derived from a track: the in-memory values and the speed boxes follow it.
  void UseDerivedSpeedScale(float high, float low);
};

// Start-up: reads section "Settings" in the program's fixed order into a fresh values object,
// running the start-up checks (the simulation rate is clamped and written back). The screen size
// (twips) gives the default window position.
SettingsValues LoadSettingsValues(SettingsStore& store, float screenWidth, float screenHeight);

// Clamps a simulation rate text to 15..600 ("15" for text that is not a number); the result is
// the whole number as text.
std::string CheckSimRate(std::string_view text);

// Conversions used on reading and writing stored texts.
bool ReadBoolText(std::string_view text, bool defaultValue);
const char* BoolText(bool b);  // "True" / "False"
std::string OneDecimalText(float v);

}  // namespace wl
