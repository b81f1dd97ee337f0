#include "nav/track_processing.h"

#include <algorithm>
#include <cmath>

#include "nav/geodesy.h"
#include "nav/tack_angle.h"
#include "nav/tack_detection.h"

namespace wl {

namespace {

constexpr double kMetresPerMile = 1852;
// Legs at or below the lower speed or at or above the upper one are outliers (or waits).
constexpr double kSlowest = 0.5;
constexpr double kFastest = 12;

// A time the pass can compute with: beyond the 32-bit day range (or not a number at all) it is 0.
double GuardedTime(double t) {
  if (!std::isfinite(t) || std::fabs(t) > 2147483647.0) return 0;
  return t;
}

// Leg time in hours; 0 for a time without a day part and for a gap of a day or more either way.
double LegHours(double time, double previousTime) {
  if (std::trunc(time) == 0) return 0;
  const double span = time - previousTime;
  if (!(std::fabs(span) < 1)) return 0;
  return span * 24;
}

// The count-down of the progress caption: one step every `every` points beyond the first 100.
class Progress {
 public:
  Progress(const ProgressFn& fn, int32_t count) : fn_(fn) {
    every_ = static_cast<int32_t>(std::nearbyint((count + 1) / 90.0));
    Show("100");
  }
  void Step(int32_t done) {
    if (!fn_ || done <= 100 || every_ == 0 || done % every_ != 0) return;
    --caption_;
    Show(std::to_string(caption_));
  }
  void Finish() { Show(""); }

 private:
  void Show(const std::string& text) {
    if (fn_) fn_(text);
  }
  const ProgressFn& fn_;
  int32_t every_ = 0;
  int caption_ = 100;
};

// The plot's speed scale from the highest plausible speed.
SpeedScale ScaleFrom(double highest) {
  const double high = std::floor(2 * highest + 0.0001) / 2;
  const double low = high == 0 ? 0 : high - std::nearbyint(high / 2 + 0.01);
  return {static_cast<float>(high), static_cast<float>(low)};
}

}  // namespace

ProcessedTrack::ProcessedTrack() : ProcRecs(kTrackCapacity), Legs(kTrackCapacity) {}

ProcessOptions ProcessingOptions(const SettingsValues& settings) {
  return {settings.tackAngle, settings.PlotSpeedFixed};
}

std::optional<SpeedScale> ProcessTrackRecs(const TrackStore& store, ProcessedTrack& processed,
                                           const ProcessOptions& options, const ProgressFn& progress) {
  const int32_t count = std::clamp(store.TrackCount, 0, kTrackCapacity);
  processed.count = count;
  processed.isTRT = store.IsTRT;
  processed.isTRC = store.IsTRC;
  processed.trueHeading = store.TrueHeading;
  const bool trt = store.IsTRT;
  const int tackAngle = TackAngleValue(options.tackAngle);
  auto& recs = processed.ProcRecs;
  auto& legs = processed.Legs;
  for (int32_t i = 0; i < count; ++i) recs[static_cast<size_t>(i)].TackFlag = kOrdinary;

  PosRec previousPos{};
  double previousTime = 0;
  double cumDist = 0;  // metres
  double cumTime = 0;  // hours
  double highest = 0;
  double previousSpeed = 0;
  Progress progressCaption(progress, count);

  for (int32_t i = 0; i < count; ++i) {
    const TrackRec& rec = store.TrackRecs[static_cast<size_t>(i)];
    ProcRec& pr = recs[static_cast<size_t>(i)];
    LegValues& leg = legs[static_cast<size_t>(i)];
    if (trt) {
      pr.TWS = rec.TWS;
      pr.TWD = rec.TWD;
      pr.TWA = rec.TWA;
      pr.AWS = rec.AWS;
      pr.AWA = rec.AWA;
      pr.WaterS = rec.WaterS;
      pr.HDG = rec.HDG;
      pr.Depth = rec.Depth;
    }
    pr.COG = static_cast<float>(rec.COG / 10.0);
    pr.SOG = rec.SOG;

    // Point 0 shows its time as read; only the legs need the guard.
    double time = rec.Time;
    double speed = 0;
    if (i == 0) {
      pr.uiCOG = pr.uiSOG = pr.uiTime = pr.CumDist = pr.CumTime = 0;
      processed.LastTackPoint = 0;
      leg = LegValues{};
    } else {
      const float dist = GetDist(previousPos, rec.Pos);
      time = GuardedTime(time);
      double hours = LegHours(time, previousTime);
      if (hours > 0) {
        speed = dist / (hours * kMetresPerMile);
      } else {
        hours = 0;
      }
      if (speed > kSlowest && speed < kFastest) cumTime += hours;
      cumDist += dist;
      const double cumAvSOG = cumTime > 0 ? cumDist / (cumTime * kMetresPerMile) : 0;

      pr.uiCOG = GetCourse(previousPos, rec.Pos);
      pr.uiSOG = static_cast<float>(speed);
      pr.uiTime = static_cast<float>(hours);
      pr.CumDist = static_cast<float>(cumDist / kMetresPerMile);
      pr.CumTime = static_cast<float>(cumTime);

      if (i > 2 && recs[static_cast<size_t>(i - 2)].TackFlag < kOutlier) {
        recs[static_cast<size_t>(i - 2)].TackFlag = CheckNewTack(i - 1, processed, tackAngle) ? kTackPoint : kOrdinary;
      }
      leg = LegValues{dist, hours, speed, cumDist, cumTime, cumAvSOG, false};
      if (speed <= kSlowest || speed >= kFastest) {
        leg.red = true;
        pr.TackFlag = kOutlier;
        processed.LastTackPoint = static_cast<int16_t>(i);
      }
    }
    previousPos = rec.Pos;
    previousTime = time;
    pr.Pos = rec.Pos;
    pr.Time = time;

    if (!options.speedScaleFixed) {
      const double v = trt ? static_cast<double>(pr.WaterS) : static_cast<double>(pr.uiSOG);
      // A jump of 10 % or more from the previous value is a spike, not a speed sailed.
      if (highest < v && previousSpeed * 0.1 > std::fabs(previousSpeed - v)) highest = v;
      previousSpeed = v;
    }
    progressCaption.Step(i + 1);
  }

  progressCaption.Finish();
  // The last point closes the last tack leg.
  if (count > 1) recs[static_cast<size_t>(count - 1)].TackFlag = tackAngle != 0 ? kTackPoint : kOrdinary;
  if (options.speedScaleFixed) return std::nullopt;
  return ScaleFrom(highest);
}

}  // namespace wl
