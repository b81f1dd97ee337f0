#pragma once
// Tack marks: whether the boat turned by more than the tack angle at a point, and the check that
// a track has points enough to be plotted.
#include <cstdint>

#include "nav/track_processing.h"
#include "track/prompts.h"

namespace wl {

// True when point p - 1 is a tack point, measured from processed.LastTackPoint, which then moves
// to p - 1. tackAngle 0 switches the detection off. Reads ProcRecs 0..p only.
bool CheckNewTack(int32_t p, ProcessedTrack& processed, int tackAngle);

// Refuses (with its message) a track of fewer than one point.
bool EnoughPoints(int32_t cnt, Prompts& prompts);

}  // namespace wl
