#pragma once
#include <cstdint>

#include "nav/track_processing.h"

namespace wl {

// The point of the track nearest to (x = longitude, y = latitude) in plot units; ties keep the
// lower index; a track without points gives 0.
int32_t NearestPoint(const ProcessedTrack& track, double x, double y);

}  // namespace wl
