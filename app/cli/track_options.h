#pragma once
// The options shared by every subcommand that reads a track, and loading a track with them as
// the desktop program's Open, Insert file and Delete track points commands would.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli_prompts.h"
#include "nav/track_processing.h"
#include "settings/settings_values.h"
#include "track/track_store.h"

namespace wl::cli {

struct TrackEdit {
  enum class Kind { Insert, Delete, Thin } kind;
  int32_t first = 0;    // Insert: the Trpt# after which the file goes; Delete: first Trpt#
  int32_t last = 0;     // Delete: last Trpt#, inclusive
  std::string file;     // Insert only
  int32_t seconds = 0;  // Thin only
};

struct TrackOptions {
  std::string tackAngle = "30";  // as checked: the plain-number text
  bool trueHeading = false;
  std::string deviation = "-1.2";
  std::string timeOffset = "02:00:00";
  bool timeOffsetMinus = false;
  bool repairHeading = false;
  std::vector<TrackEdit> edits;  // in command-line order
};

// Help text for the options above, appended to a command's usage.
const char* TrackOptionsHelp();

// Takes the track options out of args, wherever they stand. A wrong option value or a refused
// tack angle is reported (through prompts for the tack angle) and gives kExitUsage.
int ParseTrackOptions(std::vector<std::string>& args, TrackOptions& options, CliPrompts& prompts);

struct LoadedTrack {
  TrackStore store;
  TrackBlock scratch;
  SettingsValues settings;  // from the options, never from the user's settings file
};

// Opens file (store emptied first) and applies the edits (inserts, deletes, thinnings) in order. Returns kExitOk, kExitFileError
// when a file cannot be read or is refused, or kExitUsage for an edit outside the track.
int LoadTrack(const std::string& file, const TrackOptions& options, LoadedTrack& out, CliPrompts& prompts);

// The processing pass over a loaded track; the derived speed scale goes into its settings.
std::unique_ptr<ProcessedTrack> ProcessLoadedTrack(LoadedTrack& track);

}  // namespace wl::cli
