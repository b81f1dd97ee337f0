// wakeline-cli convert: open a track and save it under another name, as the Save command does.
#include <filesystem>
#include <memory>

#include "cli_command.h"
#include "track/track_writer.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunConvert(std::vector<std::string>& args);

constexpr CliCommand kConvert{
    "convert",
    "wakeline-cli convert IN OUT [track options] [--tack-points-only] [--force]\n"
    "  Reads IN and writes its points to OUT: a .trc track only as .trc, a .trt track as .trt lines\n"
    "  or as .trc records. An existing OUT is kept unless --force is given.\n"
    "  --tack-points-only  write only the tack points\n"
    "  --force             overwrite OUT\n",
    RunConvert};
const CliRegistrar registrar{kConvert};

int RunConvert(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  bool force = TakeFlag(args, "--force");
  bool tackPointsOnly = TakeFlag(args, "--tack-points-only");
  if (int rc = ExpectPositionals(args, 2, kConvert)) return rc;
  if (tackPointsOnly) return UsageError("--tack-points-only is not available yet");

  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;

  const std::string& out = args[1];
  std::error_code ec;
  if (std::filesystem::exists(out, ec)) {
    if (!force) {
      prompts.ShowMessage("file not saved", Icon::None);
      return kExitFileError;
    }
    prompts.AskYesNo(out + " exists, do you want to overwite ?", Icon::Exclamation, true);
  }
  if (!writetrackfile(track->store, out, {}, prompts)) return kExitFileError;
  track->store.DataChanged = false;
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
