#include "nmea_options.h"

#include <charconv>
#include <cmath>
#include <random>

#include "cli_command.h"
#include "track/date_format.h"
#include "track/track_reader.h"

namespace wl::cli {
namespace {

bool WholeText(std::string_view text, uint64_t& value) {
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size();
}

bool NumberText(std::string_view text, double& value) {
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size() && std::isfinite(value);
}

// "YYYY-MM-DD HH:MM:SS" as a day count.
bool ClockText(const std::string& t, double& days) {
  if (t.size() != 19 || t[4] != '-' || t[7] != '-' || t[10] != ' ' || t[13] != ':' || t[16] != ':') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18})
    if (t[i] < '0' || t[i] > '9') return false;
  auto num = [&](size_t at, size_t len) { return std::stoi(t.substr(at, len)); };
  int y = num(0, 4), mo = num(5, 2), d = num(8, 2), h = num(11, 2), mi = num(14, 2), s = num(17, 2);
  if (!IsValidDate(y, mo, d) || h > 23 || mi > 59 || s > 59) return false;
  days = static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
  return true;
}

constexpr double kAny = HUGE_VAL;

struct SimValueOption {
  const char* flag;
  std::optional<std::string> NmeaOptions::*field;
  double lo, hi;  // the range the settings dialog keeps
};

const SimValueOption kSimValues[] = {
    {"--sim-depth", &NmeaOptions::depth, 0, 100},
    {"--sim-depth-var", &NmeaOptions::depthVar, -kAny, kAny},
    {"--sim-log-speed", &NmeaOptions::logSpeed, 0, 30},
    {"--sim-log-speed-var", &NmeaOptions::logSpeedVar, -kAny, kAny},
    {"--sim-heading-var", &NmeaOptions::headingVar, -kAny, kAny},
    {"--sim-wind-dir", &NmeaOptions::windDir, 0, 359},
    {"--sim-wind-dir-var", &NmeaOptions::windDirVar, -kAny, kAny},
    {"--sim-wind-speed", &NmeaOptions::windSpeed, 0, 50},
    {"--sim-wind-speed-var", &NmeaOptions::windSpeedVar, -kAny, kAny},
};

}  // namespace

int TakeTextOption(std::vector<std::string>& args, const std::string& flag, std::optional<std::string>& value) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != flag) continue;
    if (i + 1 == args.size()) return UsageError(flag + " needs a value");
    value = args[i + 1];
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    --i;
  }
  return kExitOk;
}

int TakeWholeOption(std::vector<std::string>& args, const std::string& flag, int32_t lo, int32_t hi,
                    std::optional<int32_t>& value) {
  std::optional<std::string> text;
  if (int rc = TakeTextOption(args, flag, text)) return rc;
  if (!text) return kExitOk;
  int32_t v = 0;
  auto res = std::from_chars(text->data(), text->data() + text->size(), v);
  if (text->empty() || res.ec != std::errc() || res.ptr != text->data() + text->size() || v < lo || v > hi)
    return UsageError(flag + " needs a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                      ", not \"" + *text + "\"");
  value = v;
  return kExitOk;
}

int ParseNmeaOptions(std::vector<std::string>& args, NmeaOptions& options) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--dbt" || a == "--vhw" || a == "--heading" || a == "--true-wind" || a == "--checksum-all" ||
        a == "--checksum-gp-only") {
      options.dbt |= a == "--dbt";
      options.vhw |= a == "--vhw";
      options.heading |= a == "--heading";
      options.trueWind |= a == "--true-wind";
      if (a.rfind("--checksum", 0) == 0) options.checksumAll = a == "--checksum-all";
      continue;
    }
    const SimValueOption* sim = nullptr;
    for (const auto& s : kSimValues)
      if (a == s.flag) sim = &s;
    if (!sim && a != "--wind" && a != "--clock" && a != "--seed" && a != "--time-source") {
      rest.push_back(a);
      continue;
    }
    if (i + 1 == args.size()) return UsageError(a + " needs a value");
    const std::string& value = args[++i];
    if (sim) {
      double v = 0;
      if (!NumberText(value, v) || v < sim->lo || v > sim->hi) {
        std::string need = " needs a number";
        if (sim->hi != kAny)
          need += " from " + std::to_string(static_cast<int>(sim->lo)) + " to " +
                  std::to_string(static_cast<int>(sim->hi));
        return UsageError(a + need + ", not \"" + value + "\"");
      }
      options.*(sim->field) = value;
    } else if (a == "--wind") {
      if (value == "mwv") options.wind = WindSentence::MWV;
      else if (value == "vwr") options.wind = WindSentence::VWR;
      else if (value == "mwd") options.wind = WindSentence::MWD;
      else return UsageError("--wind needs mwv, vwr or mwd, not \"" + value + "\"");
    } else if (a == "--time-source") {
      if (value != "now" && value != "track")
        return UsageError("--time-source needs now or track, not \"" + value + "\"");
      options.timeSource = value == "now" ? NmeaTimeSource::Now : NmeaTimeSource::Track;
    } else if (a == "--clock") {
      double days = 0;
      if (!ClockText(value, days))
        return UsageError("--clock needs a date and time \"YYYY-MM-DD HH:MM:SS\", not \"" + value + "\"");
      options.clock = days;
    } else {
      uint64_t seed = 0;
      if (!WholeText(value, seed)) return UsageError("--seed needs a whole number, not \"" + value + "\"");
      options.seed = seed;
    }
  }
  args = std::move(rest);
  return kExitOk;
}

int CheckNmeaOptionsFor(const std::string& file, const NmeaOptions& options) {
  if (LowerTail(file, 4) != ".trc") return kExitOk;
  if (options.heading) return UsageError("--heading: a .trc track records no heading");
  if (options.trueWind) return UsageError("--true-wind: a .trc track records no true wind");
  return kExitOk;
}

void ApplyNmeaOptions(const NmeaOptions& o, SettingsValues& s) {
  s.nmeaOut = true;
  s.depth = o.dbt;
  s.vhw = o.vhw;
  s.sendHeading = o.heading;
  s.sendTrueWind = o.trueWind;
  s.checksumAll = o.checksumAll;
  s.timeSource = o.timeSource;
  s.wind = o.wind.has_value();
  if (o.wind) s.windSentence = *o.wind;
  auto set = [](std::string& text, const std::optional<std::string>& value) {
    if (value) text = *value;
  };
  set(s.dpt, o.depth);
  set(s.dptVar, o.depthVar);
  set(s.logSpd, o.logSpeed);
  set(s.logSpdVar, o.logSpeedVar);
  set(s.hdgVar, o.headingVar);
  set(s.windDir, o.windDir);
  set(s.windDirVar, o.windDirVar);
  set(s.windSpd, o.windSpeed);
  set(s.windSpdVar, o.windSpeedVar);
}

uint64_t NmeaSeed(const NmeaOptions& options) {
  if (options.seed) return *options.seed;
  std::random_device device;
  return (static_cast<uint64_t>(device()) << 32) ^ device();
}

}  // namespace wl::cli
