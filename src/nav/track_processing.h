#pragma once
// ProcessTrackRecs: the analysis pass over the whole track.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "nav/proc_rec.h"
#include "settings/settings_values.h"
#include "track/track_store.h"

namespace wl {

// The 64-bit running values of a point's row, kept so that cell texts can be made on request.
struct LegValues {
  float dist = 0;         // metres, 32-bit as the distance function gives it
  double hours = 0;       // leg time h
  double speed = 0;       // leg speed, knots
  double cumDist = 0;     // metres
  double cumTime = 0;     // hours
  double cumAvSOG = 0;    // knots
  bool red = false;       // speed outlier: columns 1 and 8 of the row
};

struct ProcessedTrack {
  ProcessedTrack();  // allocates kTrackCapacity entries once
  std::vector<ProcRec> ProcRecs;
  std::vector<LegValues> Legs;
  int16_t LastTackPoint = 0;
  // What the last pass saw of the store, for readers of the processed values.
  int32_t count = 0;
  bool isTRT = false;
  bool isTRC = false;
  bool trueHeading = false;
};

// Progress caption of the pass: "100" at the start, counting down on long tracks, "" at the end.
using ProgressFn = std::function<void(const std::string& caption)>;

struct ProcessOptions {
  std::string_view tackAngle = "30";  // the TackAngle box's text
  bool speedScaleFixed = false;       // the user fixed the plot's speed scale: derive none
};

// What the live settings ask of the pass; the view is valid while settings is.
ProcessOptions ProcessingOptions(const SettingsValues& settings);

struct SpeedScale {
  float high = 0, low = 0;  // knots
};

// Runs the pass over store into processed. Returns the plot's speed scale derived from the
// track, or nothing when the options fix the scale.
std::optional<SpeedScale> ProcessTrackRecs(const TrackStore& store, ProcessedTrack& processed,
                                           const ProcessOptions& options, const ProgressFn& progress = {});

}  // namespace wl
