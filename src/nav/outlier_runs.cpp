#include "nav/outlier_runs.h"

#include <algorithm>

namespace wl {

int32_t CountOutlierRuns(const ProcessedTrack& processed) {
  const int32_t count = std::clamp(processed.count, 0, static_cast<int32_t>(processed.ProcRecs.size()));
  int32_t runs = 0;
  bool inRun = false;
  for (int32_t i = 0; i < count; ++i) {
    const bool outlier = processed.ProcRecs[static_cast<size_t>(i)].TackFlag == kOutlier;
    if (outlier && !inRun) ++runs;
    inRun = outlier;
  }
  return runs;
}

}  // namespace wl
