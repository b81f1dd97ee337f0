#pragma once
#include <cstdint>

#include "nav/track_processing.h"

namespace wl {

// The waits of the processed track: runs of consecutive speed outliers (TackFlag 2).
int32_t CountOutlierRuns(const ProcessedTrack& processed);

}  // namespace wl
