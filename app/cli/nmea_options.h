#pragma once
// The options of the commands that send sentences: which sentences, the simulated instrument
// values, the computer clock and the random source.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_values.h"

namespace wl::cli {

struct NmeaOptions {
  bool dbt = false, vhw = false, checksumAll = true, heading = false, trueWind = false;
  NmeaTimeSource timeSource = NmeaTimeSource::Now;
  std::optional<WindSentence> wind;
  // Texts of the simulated values, as the settings dialog holds them; unset keeps the default.
  std::optional<std::string> depth, depthVar, logSpeed, logSpeedVar, headingVar, windDir, windDirVar, windSpeed,
      windSpeedVar;
  std::optional<double> clock;  // UTC day count
  std::optional<uint64_t> seed;
};

#define WL_NMEA_OPTIONS_HELP \
  "\n" \
  "sentence options:\n" \
  "  --dbt                    send depth (DBT)\n" \
  "  --vhw                    send water speed and heading (VHW)\n" \
  "  --heading                send the recorded heading (.trt tracks): HDT when true, else HDG\n" \
  "  --wind mwv|vwr|mwd       send wind as MWV or VWR (MWD sends none)\n" \
  "  --true-wind              send the recorded true wind (.trt tracks) as MWV\n" \
  "  --checksum-gp-only       a checksum only on $GP sentences (default: on every sentence,\n" \
  "                           which --checksum-all also chooses)\n" \
  "  --time-source now|track  the sentence time: the computer clock, UTC (default), or the\n" \
  "                           point's recorded time, interpolated between points\n" \
  "  --clock \"YYYY-MM-DD HH:MM:SS\"\n" \
  "                           the computer clock, UTC (default: the clock now)\n" \
  "  --sim-depth M            simulated depth (.trc tracks), metres 0-100 (default 5)\n" \
  "  --sim-depth-var P        its variation in percent (default 2)\n" \
  "  --sim-log-speed K        simulated water speed, knots 0-30 (default 0)\n" \
  "  --sim-log-speed-var P    its variation in percent (default 5)\n" \
  "  --sim-heading-var P      heading variation in percent of 360 degrees (default 2)\n" \
  "  --sim-wind-dir D         simulated true wind direction, degrees 0-359 (default 270)\n" \
  "  --sim-wind-dir-var P     its variation in percent of 360 degrees (default 2)\n" \
  "  --sim-wind-speed K       simulated wind speed, knots 0-50 (default 15)\n" \
  "  --sim-wind-speed-var P   its variation in percent (default 5)\n" \
  "  --seed N                 repeatable variations\n"

// A whole number option "flag N" within lo..hi, taken out of args.
int TakeWholeOption(std::vector<std::string>& args, const std::string& flag, int32_t lo, int32_t hi,
                    std::optional<int32_t>& value);

// A text option "flag VALUE", taken out of args.
int TakeTextOption(std::vector<std::string>& args, const std::string& flag, std::optional<std::string>& value);

// Takes the options out of args. A wrong value gives a message and kExitUsage.
int ParseNmeaOptions(std::vector<std::string>& args, NmeaOptions& options);

// Refuses (kExitUsage) options the track file's kind cannot serve: a .trc file records no
// heading and no true wind.
int CheckNmeaOptionsFor(const std::string& file, const NmeaOptions& options);

// The sentence switches and simulated values into settings; the master switch goes on.
void ApplyNmeaOptions(const NmeaOptions& options, SettingsValues& settings);

// The seed given, or a fresh one.
uint64_t NmeaSeed(const NmeaOptions& options);

}  // namespace wl::cli
