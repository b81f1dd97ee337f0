#include "nav/tack_detection.h"

#include <cmath>
#include <string>

#include "nav/geodesy.h"

namespace wl {

namespace {

// The smaller angle between two courses, as the 32-bit value the comparison uses.
float CourseDifference(float a, float b) {
  float x = std::fabs(a - b);
  if (x > 180) x = 360 - x;
  return x;
}

}  // namespace

bool CheckNewTack(int32_t p, ProcessedTrack& processed, int tackAngle) {
  if (tackAngle == 0) return false;
  if (p < 1) return true;
  if (p >= kTrackCapacity) return false;
  const int32_t last = processed.LastTackPoint;
  // After a tack point or outlier at t, the earliest next tack point is t + 3.
  if (last >= p - 3 || last < 0) return false;
  const auto& recs = processed.ProcRecs;
  const float c = recs[static_cast<size_t>(p)].uiCOG;
  const float madeGood = GetCourse(recs[static_cast<size_t>(last)].Pos, recs[static_cast<size_t>(p)].Pos);
  const auto angle = static_cast<float>(tackAngle);
  if (CourseDifference(madeGood, c) > angle || CourseDifference(recs[static_cast<size_t>(p - 1)].uiCOG, c) > angle) {
    processed.LastTackPoint = static_cast<int16_t>(p - 1);
    return true;
  }
  return false;
}

bool EnoughPoints(int32_t cnt, Prompts& prompts) {
  if (cnt >= 1) return true;
  prompts.ShowMessage("Trackfile has only " + std::to_string(cnt) + " points, plotting not possible", Icon::None);
  return false;
}

}  // namespace wl
