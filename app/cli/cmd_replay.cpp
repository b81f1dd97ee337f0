// wakeline-cli replay: the plot window's simulator without the window.
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "cli_command.h"
#include "nav/track_processing.h"
#include "nmea/replay_load.h"
#include "nmea/replay_runner.h"
#include "nmea_options.h"
#include "platform/qt_event_waiter.h"
#include "platform/stdout_output.h"
#include "replay_target.h"
#include "track/date_format.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunReplay(std::vector<std::string>& args);

constexpr CliCommand kReplay{
    "replay",
    "wakeline-cli replay FILE [track options] [sentence options] [--rate N] [--from I] [--to TARGET]\n"
    "                    [--dry-run] [--port-settings \"4800, n, 8, 1\"] [--handshaking none|rts|xonxoff]\n"
    "                    [--wait-client]\n"
    "  Replays the track in accelerated time as the plot window's simulator does: from point I\n"
    "  (default 0) on, the next point and the positions between, with track time running N times\n"
    "  faster than real time (15 to 600, default 60). A progress line goes to stderr when it is a\n"
    "  terminal.\n"
    "  --to TARGET       a serial device (/dev/ttyUSB0, a pty), tcp://HOST:PORT (a server; every\n"
    "                    client that connects receives the stream; 10110 is the usual port, 0 picks\n"
    "                    a free one), udp://HOST:PORT (datagrams, broadcast addresses allowed) or -\n"
    "                    for stdout (default -)\n"
    "  --port-settings   speed, parity, data and stop bits of a serial device (default\n"
    "                    \"4800, n, 8, 1\"; DTR and RTS on)\n"
    "  --handshaking     flow control of a serial device (default rts: RTS/CTS)\n"
    "  --wait-client     with tcp://: the replay starts when the first client has connected\n"
    "  --dry-run         no port and no waiting: to stdout, before each tick's sentences, a line\n"
    "                    \"# t=<ms> cursor=<index>\" (t: the sum of the intervals before the tick)\n"
    "  With --clock the clock runs on with the replay.\n"
    WL_NMEA_OPTIONS_HELP,
    RunReplay};
const CliRegistrar registrar{kReplay};

void ShowProgress(const ReplayTick& tick, int32_t count) {
  int percent = count > 1 ? static_cast<int>(int64_t{tick.cursor} * 100 / (count - 1)) : 100;
  std::fprintf(stderr, "\rpoint %d of %d  %s UTC  %3d %%", tick.cursor, count - 1,
               FormatDate(tick.result.record.Time, "YYYYMMDD HH:MM:SS").c_str(), percent);
  std::fflush(stderr);
}

// The port settings of the options; kExitUsage on a malformed value.
int PortOptions(const std::optional<std::string>& settings, const std::optional<std::string>& handshaking,
                PortProperties& port) {
  if (settings) {
    LineSettings line;
    std::string error;
    if (!ParseLineSettings(*settings, line, error)) return UsageError("--port-settings: " + error);
    port.Settings = *settings;
  }
  if (!handshaking) return kExitOk;
  if (*handshaking == "none") port.Handshaking = 0;
  else if (*handshaking == "xonxoff") port.Handshaking = 1;
  else if (*handshaking == "rts") port.Handshaking = 2;
  else return UsageError("--handshaking needs none, rts or xonxoff, not \"" + *handshaking + "\"");
  return kExitOk;
}

int RunReplay(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  NmeaOptions nmea;
  std::optional<int32_t> rate, from;
  std::optional<std::string> to, portSettings, handshaking;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ParseNmeaOptions(args, nmea)) return rc;
  if (int rc = TakeWholeOption(args, "--rate", 15, 600, rate)) return rc;
  if (int rc = TakeWholeOption(args, "--from", 0, kTrackCapacity - 1, from)) return rc;
  if (int rc = TakeTextOption(args, "--to", to)) return rc;
  if (int rc = TakeTextOption(args, "--port-settings", portSettings)) return rc;
  if (int rc = TakeTextOption(args, "--handshaking", handshaking)) return rc;
  const bool dryRun = TakeFlag(args, "--dry-run");
  const bool waitClient = TakeFlag(args, "--wait-client");
  if (int rc = ExpectPositionals(args, 1, kReplay)) return rc;
  if (int rc = CheckNmeaOptionsFor(args[0], nmea)) return rc;
  PortProperties port;
  if (int rc = PortOptions(portSettings, handshaking, port)) return rc;
  ReplayTarget target;
  if (dryRun) {
    target.output = std::make_unique<StdoutOutput>();
  } else {
    std::string error;
    target = MakeReplayTarget(to.value_or("-"), port, error);
    if (!target.output) return UsageError(error);
  }
  if (waitClient && !target.tcp) return UsageError("--wait-client needs --to tcp://HOST:PORT");

  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;
  const int32_t count = track->store.TrackCount;
  if (count == 0) {
    prompts.ShowMessage(args[0] + " has no points to replay", Icon::None);
    return kExitFileError;
  }
  if (from.value_or(0) >= count)
    return UsageError("--from " + std::to_string(*from) + ": the track's points are Trpt# 0 to " +
                      std::to_string(count - 1));
  auto processed = ProcessLoadedTrack(*track);
  ApplyNmeaOptions(nmea, track->settings);

  // The event loop serves the network outputs between ticks.
  int qtArgc = 1;
  char qtName[] = "wakeline-cli";
  char* qtArgv[] = {qtName, nullptr};
  std::unique_ptr<QCoreApplication> app;
  QtEventWaiter waiter;
  if (!dryRun) app = std::make_unique<QCoreApplication>(qtArgc, qtArgv);

  NmeaOutput& output = *target.output;
  std::string error;
  if (!output.IsOpen() && !output.Open(error)) {
    prompts.ShowMessage(error, Icon::Critical);
    return kExitFileError;
  }
  SeededRandom random(NmeaSeed(nmea));
  SystemClock systemClock;
  FixedClock replayClock(nmea.clock.value_or(0));
  NmeaSender sender{track->settings, track->store.IsTRT, output, random,
                    nmea.clock ? static_cast<NmeaClock&>(replayClock) : systemClock, track->store.TrueHeading};

  Replay replay;
  replay.recs = processed->ProcRecs.data();
  replay.count = count;
  replay.rate = rate.value_or(60);
  replay.cursor = from.value_or(0);
  replay.waiter = dryRun ? nullptr : &waiter;
  const bool progress = !dryRun && isatty(STDERR_FILENO);
  replay.onTick = [&](const ReplayTick& tick) {
    if (nmea.clock) replayClock.Set(*nmea.clock + static_cast<double>(tick.tMs) / 86400000.0);
    if (dryRun) std::printf("# t=%lld cursor=%d\n", static_cast<long long>(tick.tMs), tick.cursor);
    if (progress) ShowProgress(tick, count);
    return true;
  };

  if (target.serial) {
    LineSettings line;
    std::string unused;
    ParseLineSettings(port.Settings, line, unused);  // checked above
    const std::string warning = LineLoadWarning(line.speed, ReplayBytesPerSecond(replay, sender));
    if (!warning.empty()) prompts.ShowMessage(warning, Icon::Exclamation);
  }
  if (target.tcp) {
    target.tcp->onNotice = [&](const std::string& text) { prompts.ShowMessage(text, Icon::None); };
    prompts.ShowMessage("listening on " + target.tcp->Name(), Icon::None);
    if (waitClient) target.tcp->WaitForClient();
  }

  bool ok = wl::RunReplay(replay, sender, error);
  if (progress) std::fputc('\n', stderr);
  output.Close();
  if (!ok) {
    prompts.ShowMessage(error, Icon::Critical);
    return kExitFileError;
  }
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
