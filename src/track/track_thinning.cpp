#include "track/track_thinning.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace wl {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr int64_t kDenseMedianSeconds = 5;
constexpr int32_t kDenseTackShare = 20;  // one tack point in this many points

int64_t WholeSeconds(double time) { return static_cast<int64_t>(std::nearbyint(time * kSecondsPerDay)); }

}  // namespace

bool IsUsableTime(double time) {
  return std::isfinite(time) && std::fabs(time) <= 2147483647.0 && std::trunc(time) != 0;
}

std::vector<bool> ThinningKeeps(const TrackStore& store, int32_t seconds) {
  const int32_t count = std::clamp(store.TrackCount, 0, kTrackCapacity);
  std::vector<bool> keep(static_cast<size_t>(count), true);
  std::optional<int64_t> reference;
  for (int32_t i = 0; i < count; ++i) {
    const double time = store.TrackRecs[static_cast<size_t>(i)].Time;
    if (!IsUsableTime(time)) continue;
    const int64_t t = WholeSeconds(time);
    if (i > 0 && i < count - 1 && reference && t - *reference < seconds) {
      keep[static_cast<size_t>(i)] = false;
    } else {
      reference = t;
    }
  }
  return keep;
}

int32_t ThinTrack(TrackStore& store, int32_t seconds) {
  const int32_t removed = store.RetainTrackRecs(ThinningKeeps(store, seconds));
  if (removed > 0) store.DataChanged = true;
  return removed;
}

bool IsDenseLog(const TrackStore& store, int32_t tackPoints) {
  const int32_t count = std::clamp(store.TrackCount, 0, kTrackCapacity);
  if (int64_t{tackPoints} * kDenseTackShare <= count) return false;
  std::vector<int64_t> intervals;
  intervals.reserve(static_cast<size_t>(count));
  for (int32_t i = 1; i < count; ++i) {
    const double a = store.TrackRecs[static_cast<size_t>(i - 1)].Time, b = store.TrackRecs[static_cast<size_t>(i)].Time;
    if (!IsUsableTime(a) || !IsUsableTime(b)) continue;
    const int64_t span = WholeSeconds(b) - WholeSeconds(a);
    if (span > 0 && span < kSecondsPerDay) intervals.push_back(span);
  }
  if (intervals.empty()) return false;
  // Twice the median, so that the mean of the two middle values of an even count stays whole.
  const auto upper = intervals.begin() + static_cast<std::ptrdiff_t>(intervals.size() / 2);
  std::nth_element(intervals.begin(), upper, intervals.end());
  int64_t twiceMedian = 2 * *upper;
  if (intervals.size() % 2 == 0) twiceMedian = *upper + *std::max_element(intervals.begin(), upper);
  return twiceMedian < 2 * kDenseMedianSeconds;
}

}  // namespace wl
