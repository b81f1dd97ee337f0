// wakeline-cli info: what a track file holds, as "key: value" lines.
#include <cstdio>
#include <memory>

#include "cli_command.h"
#include "nav/outlier_runs.h"
#include "nav/track_processing.h"
#include "track/date_format.h"
#include "track/float_text.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunInfo(std::vector<std::string>& args);

constexpr CliCommand kInfo{
    "info",
    "wakeline-cli info FILE [track options]\n"
    "  Prints the file kind, the number of points, the total distance (nm), the first and last\n"
    "  time (UTC), the number of comment lines, the tack points, the waits (runs of speed\n"
    "  outliers) and the plot's speed scale (high and low, kn). Messages go to stderr.\n",
    RunInfo};
const CliRegistrar registrar{kInfo};

size_t CommentLines(const std::string& comments) {
  if (comments.empty()) return 0;
  size_t n = 1;
  for (size_t at = comments.find("\r\n"); at != std::string::npos; at = comments.find("\r\n", at + 2)) ++n;
  return n;
}

int RunInfo(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ExpectPositionals(args, 1, kInfo)) return rc;
  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;

  const TrackStore& store = track->store;
  std::printf("file: %s\n", args[0].c_str());
  std::printf("kind: %s\n", store.IsTRC ? "TRC" : "TRT");
  std::printf("points: %d\n", static_cast<int>(store.TrackCount));
  std::printf("distance: %s nm\n", ShortFloatText(store.GetCumDist()).c_str());
  if (store.TrackCount > 0) {
    std::printf("first: %s UTC\n", FormatDate(store.TrackRecs[0].Time, "YYYYMMDD HH:MM:SS").c_str());
    std::printf("last: %s UTC\n",
                FormatDate(store.TrackRecs[store.TrackCount - 1].Time, "YYYYMMDD HH:MM:SS").c_str());
  }
  std::printf("comments: %zu\n", CommentLines(store.TrackComments));

  auto processed = ProcessLoadedTrack(*track);
  int32_t tackPoints = 0;
  for (int32_t i = 0; i < processed->count; ++i)
    if (processed->ProcRecs[static_cast<size_t>(i)].TackFlag == kTackPoint) ++tackPoints;
  std::printf("tack points: %d\n", static_cast<int>(tackPoints));
  std::printf("waits: %d\n", static_cast<int>(CountOutlierRuns(*processed)));
  std::printf("speed scale: %s %s kn\n", track->settings.txtPltSpdHigh.c_str(), track->settings.txtPltSpdLow.c_str());
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
