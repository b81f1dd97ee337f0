#pragma once
// Processed tracks filled by hand, for tests of what reads ProcRecs.
#include <memory>
#include <vector>

#include "nav/geodesy.h"
#include "nav/track_processing.h"

namespace wl::test {

inline constexpr double kHandStart = 45000.5;  // 20230315 12:00:00 UTC

// Points one minute apart at the given positions, every leg moving; flags 0.
inline std::unique_ptr<ProcessedTrack> HandTrack(const std::vector<PosRec>& positions, bool trt) {
  auto t = std::make_unique<ProcessedTrack>();
  t->count = static_cast<int32_t>(positions.size());
  t->isTRT = trt;
  t->isTRC = !trt;
  double cumDist = 0;
  for (size_t i = 0; i < positions.size(); ++i) {
    ProcRec& p = t->ProcRecs[i];
    p = ProcRec{};
    p.Pos = positions[i];
    p.Time = kHandStart + static_cast<double>(i) / 1440;
    if (i > 0) {
      const float dist = GetDist(positions[i - 1], positions[i]);
      cumDist += dist;
      p.uiTime = 1.0f / 60;
      p.uiSOG = static_cast<float>(dist / (1852.0 / 60));
      p.uiCOG = GetCourse(positions[i - 1], positions[i]);
      p.CumDist = static_cast<float>(cumDist / 1852);
    }
  }
  return t;
}

// From `from`, n legs of (dLat, dLon) in 1/60000 degree each.
inline void Sail(std::vector<PosRec>& positions, int n, int32_t dLat, int32_t dLon) {
  for (int i = 0; i < n; ++i) {
    const PosRec last = positions.back();
    positions.push_back({last.Lat + dLat, last.Lon + dLon});
  }
}

}  // namespace wl::test
