// wakeline-cli nmea: the bytes that sending one track point puts on the port.
#include <memory>

#include "cli_command.h"
#include "nav/track_processing.h"
#include "nmea/send_point.h"
#include "nmea_options.h"
#include "platform/stdout_output.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunNmea(std::vector<std::string>& args);

constexpr CliCommand kNmea{
    "nmea",
    "wakeline-cli nmea FILE [track options] [--index I | --all] [sentence options]\n"
    "  Writes to stdout the exact bytes (CR LF line ends) that one send of point I (default 0), or\n"
    "  of every point in order with --all, puts on the port: $GPRMC, then the sentences chosen.\n"
    WL_NMEA_OPTIONS_HELP,
    RunNmea};
const CliRegistrar registrar{kNmea};

int RunNmea(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  NmeaOptions nmea;
  std::optional<int32_t> index;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ParseNmeaOptions(args, nmea)) return rc;
  if (int rc = TakeWholeOption(args, "--index", 0, kTrackCapacity - 1, index)) return rc;
  const bool all = TakeFlag(args, "--all");
  if (all && index) return UsageError("nmea: --index and --all exclude each other");
  if (int rc = ExpectPositionals(args, 1, kNmea)) return rc;
  if (int rc = CheckNmeaOptionsFor(args[0], nmea)) return rc;

  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;
  const int32_t count = track->store.TrackCount;
  if (count == 0) {
    prompts.ShowMessage(args[0] + " has no points to send", Icon::None);
    return kExitFileError;
  }
  const int32_t first = index.value_or(0);
  if (first >= count)
    return UsageError("--index " + std::to_string(first) + ": the track's points are Trpt# 0 to " +
                      std::to_string(count - 1));

  auto processed = ProcessLoadedTrack(*track);
  ApplyNmeaOptions(nmea, track->settings);
  SeededRandom random(NmeaSeed(nmea));
  SystemClock systemClock;
  FixedClock fixedClock(nmea.clock.value_or(0));
  StdoutOutput out;
  NmeaSender sender{track->settings, track->store.IsTRT, out, random,
                    nmea.clock ? static_cast<NmeaClock&>(fixedClock) : systemClock, track->store.TrueHeading};
  const int32_t last = all ? count - 1 : first;
  for (int32_t i = first; i <= last; ++i) {
    std::string error;
    if (!SendPointNMEA(processed->ProcRecs[i], sender, error)) {
      prompts.ShowMessage(error, Icon::Critical);
      return kExitFileError;
    }
  }
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
