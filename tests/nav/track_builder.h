#pragma once
// Small tracks for the navigation tests, built point by point near the equator, where one
// position unit (1/60000 degree) is about 1.852 m north-south and east-west alike.
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>

#include "nav/track_processing.h"
#include "track/track_store.h"

namespace wl::test {

inline constexpr double kNoon = 39640.5;  // 20080711 12:00:00 UTC
inline constexpr double kSecond = 1.0 / 86400;
inline constexpr double kMinute = 60;  // seconds
inline constexpr double kStep = 100;   // units; 100 in a minute is about 6 kn

class TrackBuilder {
 public:
  explicit TrackBuilder(bool trt = false) : store_(std::make_unique<TrackStore>()) {
    store_->IsTRT = trt;
    store_->IsTRC = !trt;
  }
  TrackBuilder& At(int32_t lat, int32_t lon, double time) {
    TrackRec& r = store_->TrackRecs[static_cast<size_t>(store_->TrackCount++)];
    r = TrackRec{};
    r.Pos = PosRec{lat, lon};
    r.Time = time;
    return *this;
  }
  // n legs of (dLat, dLon) units, each `seconds` long.
  TrackBuilder& Steps(int n, int32_t dLat, int32_t dLon, double seconds = kMinute) {
    for (int k = 0; k < n; ++k) At(Last().Pos.Lat + dLat, Last().Pos.Lon + dLon, Last().Time + seconds * kSecond);
    return *this;
  }
  // n legs of `units` along a course in degrees.
  TrackBuilder& Legs(int n, double course, double units, double seconds = kMinute) {
    const double rad = course * 3.14159265358979 / 180;
    return Steps(n, static_cast<int32_t>(std::lround(units * std::cos(rad))),
                 static_cast<int32_t>(std::lround(units * std::sin(rad))), seconds);
  }
  TrackRec& Last() { return Point(store_->TrackCount - 1); }
  TrackRec& Point(int32_t i) { return store_->TrackRecs[static_cast<size_t>(i)]; }
  TrackStore& store() { return *store_; }

 private:
  std::unique_ptr<TrackStore> store_;
};

struct Processed {
  std::unique_ptr<ProcessedTrack> track = std::make_unique<ProcessedTrack>();
  std::optional<SpeedScale> scale;
  int16_t Flag(int32_t i) const { return Rec(i).TackFlag; }
  const ProcRec& Rec(int32_t i) const { return track->ProcRecs[static_cast<size_t>(i)]; }
  const LegValues& Leg(int32_t i) const { return track->Legs[static_cast<size_t>(i)]; }
  // Tack points set by hand, for what reads the flags after the pass.
  void SetFlags(std::initializer_list<int32_t> points, int16_t flag) {
    for (int32_t i : points) track->ProcRecs[static_cast<size_t>(i)].TackFlag = flag;
  }
};

inline Processed Process(const TrackStore& store, std::string_view tackAngle = "30", const ProgressFn& progress = {}) {
  Processed p;
  p.scale = ProcessTrackRecs(store, *p.track, ProcessOptions{tackAngle, false}, progress);
  return p;
}

}  // namespace wl::test
