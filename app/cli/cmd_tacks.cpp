// wakeline-cli tacks: the tack list window's grid.
#include <cstdio>
#include <memory>

#include "cli_command.h"
#include "nav/tack_list.h"
#include "nav/track_processing.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunTacks(std::vector<std::string>& args);

constexpr CliCommand kTacks{
    "tacks",
    "wakeline-cli tacks FILE [track options]\n"
    "  Prints the tack list of the track: the head row, then one row per tack leg or wait as the\n"
    "  tack list window shows it (with its empty first row while no tack leg has arrived).\n"
    "  Cells are separated by TAB.\n",
    RunTacks};
const CliRegistrar registrar{kTacks};

int RunTacks(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ExpectPositionals(args, 1, kTacks)) return rc;
  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;

  auto processed = ProcessLoadedTrack(*track);
  const TackList list = BuildTackList(*processed);
  std::string out;
  for (const auto& row : list.rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += '\t';
      out += row[c];
    }
    out += '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
