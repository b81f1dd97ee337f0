#pragma once
// Thinning a dense log: loggers that record every second or two make the tack rule fire on GPS
// noise; keeping one point every so many seconds leaves the manoeuvres.
#include <cstdint>
#include <string_view>
#include <vector>

#include "track/track_store.h"

namespace wl {

inline constexpr int32_t kThinMinSeconds = 1;
inline constexpr int32_t kThinMaxSeconds = 3600;
inline constexpr int32_t kThinDefaultSeconds = 10;

// A time a leg can be measured with, as in the processing pass: a finite day count within the
// 32-bit day range that has a day part (so not a bare time of day or an empty field).
bool IsUsableTime(double time);

// The points a thinning to `seconds` keeps: the first and the last point; every point whose time,
// in whole seconds (rounded), lies at least `seconds` after the reference, the time of the last
// kept point with a usable time; and every point without a usable time (which leaves the
// reference where it is). Entry i belongs to point i; TrackCount entries.
std::vector<bool> ThinningKeeps(const TrackStore& store, int32_t seconds);

// Thins the track in one pass: deletes every point ThinningKeeps does not keep. Returns the number
// of points deleted; sets DataChanged when there were any.
int32_t ThinTrack(TrackStore& store, int32_t seconds);

// The "Dense log" hint: the median interval between neighbouring points (counting only positive
// intervals under a day between usable times) is under 5 s, and the tack points exceed one in
// twenty points.
bool IsDenseLog(const TrackStore& store, int32_t tackPoints);

inline constexpr std::string_view kDenseLogHint =
    "Dense log: Thin Track... (right-click the table) shows the manoeuvres";

}  // namespace wl
