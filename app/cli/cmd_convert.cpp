// wakeline-cli convert: open a track and save it under another name, as the Save command does.
#include <memory>

#include "cli_command.h"
#include "nav/track_processing.h"
#include "track/track_commands.h"
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

class OverwritePrompts : public Prompts {
 public:
  OverwritePrompts(CliPrompts& prompts, bool force) : prompts_(prompts), force_(force) {}
  void ShowMessage(const std::string& text, Icon icon) override { prompts_.ShowMessage(text, icon); }
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override {
    return force_ && prompts_.AskYesNo(text, icon, defaultNo);
  }

 private:
  CliPrompts& prompts_;
  bool force_;
};

int RunConvert(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  bool force = TakeFlag(args, "--force");
  bool tackPointsOnly = TakeFlag(args, "--tack-points-only");
  if (int rc = ExpectPositionals(args, 2, kConvert)) return rc;

  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;
  auto processed = ProcessLoadedTrack(*track);
  PointFilter keep;
  if (tackPointsOnly) {
    keep = [&p = *processed](int32_t i) { return p.ProcRecs[static_cast<size_t>(i)].TackFlag == kTackPoint; };
  }

  // Without --force the overwrite question is answered No.
  OverwritePrompts savePrompts(prompts, force);
  if (!SaveTrackFile(track->store, args[1], keep, savePrompts)) return kExitFileError;
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
