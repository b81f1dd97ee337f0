#pragma once
// Small tracks for the processing tests, built point by point near the equator, where one
// position unit is about 1.852 m north-south and east-west alike.
#include <cmath>
#include <memory>
#include <string>

#include "nav/track_processing.h"
#include "track/track_store.h"

namespace wl::test {

// 2008-07-11 12:00:00 UTC.
inline constexpr double kNoon = 39640.5;
inline constexpr double kSecond = 1.0 / 86400;

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
  // The next point: `units` along a course (degrees), `seconds` after the last point.
  TrackBuilder& Leg(double course, double units, double seconds) {
    const TrackRec& r = Last();
    const double rad = course * 3.14159265358979 / 180;
    return At(r.Pos.Lat + static_cast<int32_t>(std::lround(units * std::cos(rad))),
              r.Pos.Lon + static_cast<int32_t>(std::lround(units * std::sin(rad))), r.Time + seconds * kSecond);
  }
  TrackBuilder& Legs(int n, double course, double units, double seconds) {
    for (int k = 0; k < n; ++k) Leg(course, units, seconds);
    return *this;
  }
  TrackRec& Last() { return store_->TrackRecs[static_cast<size_t>(store_->TrackCount - 1)]; }
  TrackRec& Point(int32_t i) { return store_->TrackRecs[static_cast<size_t>(i)]; }
  TrackStore& store() { return *store_; }

 private:
  std::unique_ptr<TrackStore> store_;
};

struct Processed {
  std::unique_ptr<ProcessedTrack> track = std::make_unique<ProcessedTrack>();
  SettingsValues settings;
  int16_t Flag(int32_t i) const { return track->ProcRecs[static_cast<size_t>(i)].TackFlag; }
  const ProcRec& Rec(int32_t i) const { return track->ProcRecs[static_cast<size_t>(i)]; }
  const LegValues& Leg(int32_t i) const { return track->Legs[static_cast<size_t>(i)]; }
  // The pass as the program runs it: a derived speed scale goes into the settings.
  void Run(const TrackStore& store, const ProgressFn& progress = {}) {
    if (auto scale = ProcessTrackRecs(store, *track, ProcessingOptions(settings), progress))
      settings.UseDerivedSpeedScale(scale->high, scale->low);
  }
};

inline Processed Process(const TrackStore& store, const std::string& tackAngle = "30") {
  Processed p;
  p.settings.tackAngle = tackAngle;
  p.Run(store);
  return p;
}

// 100 units in a minute: about 6 kn.
inline constexpr double kStep = 100;
inline constexpr double kMinute = 60;

}  // namespace wl::test
