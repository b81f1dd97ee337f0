#include "nmea/sim_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wl {
namespace {

constexpr int32_t kStartIntervalMs = 100;
constexpr double kUnderWayKnots = 0.3;
constexpr double kStepSeconds = 30;

int32_t RoundedMs(double ms) {
  // A 0 would stop the timer while the replay still counts as running.
  return std::max<int32_t>(1, static_cast<int32_t>(std::nearbyint(ms)));
}

int32_t LerpInt(int32_t a, int32_t b, double t) {
  double v = std::nearbyint(a + (static_cast<double>(b) - a) * t);
  v = std::clamp(v, double{std::numeric_limits<int32_t>::min()}, double{std::numeric_limits<int32_t>::max()});
  return static_cast<int32_t>(v);
}

// Plans the leg from recs[i] to recs[i + 1], sailed.
void PlanLeg(SimState& s, const ProcRec& from, const ProcRec& to, int32_t rate) {
  double d = (static_cast<double>(to.CumTime) - from.CumTime) * 3600;  // seconds under way
  if (!std::isfinite(d) || d < 0) d = 0;
  d = std::min(d, kStepSeconds * std::numeric_limits<int16_t>::max());
  // Whole seconds for the count, so float noise in the hours does not add a step.
  double whole = std::nearbyint(d);
  int32_t steps = static_cast<int32_t>(whole) / static_cast<int32_t>(kStepSeconds);
  if (whole > steps * kStepSeconds) ++steps;
  s.SimStep = 0;
  if (steps >= 1) {
    s.SimSteps = static_cast<int16_t>(steps);
    s.SimStepFraction = 1.0 / steps;
    s.intervalMs = RoundedMs(s.SimStepFraction * d * 1000 / rate);
  } else {
    s.SimSteps = 0;
    s.SimStepFraction = 1.0;
    s.intervalMs = kStartIntervalMs;
  }
}

}  // namespace

void SetSimulation(SimState& state, bool on) {
  state.SimRunning = on;
  if (on) {
    state.intervalMs = kStartIntervalMs;
    state.SimStep = 0;
    state.SimSteps = 0;
  } else {
    state.intervalMs = 0;
  }
}

ProcRec InterpolateProcRec(const ProcRec& a, const ProcRec& b, double t) {
  ProcRec r{};
  r.Time = a.Time + (b.Time - a.Time) * t;
  r.Pos.Lat = LerpInt(a.Pos.Lat, b.Pos.Lat, t);
  r.Pos.Lon = LerpInt(a.Pos.Lon, b.Pos.Lon, t);
  r.uiSOG = a.uiSOG;
  r.uiCOG = a.uiCOG;
  r.AWS = a.AWS;
  r.AWA = a.AWA;
  r.WaterS = a.WaterS;
  r.Depth = a.Depth;
  r.HDG = a.HDG;
  r.TWA = a.TWA;
  r.TWS = a.TWS;
  return r;
}

SimTickResult SimTick(SimState& s, int32_t& cursor, const ProcRec* recs, int32_t count, int32_t rate) {
  SimTickResult out;
  if (count <= 0) {
    SetSimulation(s, false);
    return out;
  }
  rate = std::clamp(rate, 15, 600);
  cursor = std::clamp(cursor, 0, count - 1);

  // The last step of a leg is the next point itself, sent by the tick that moves the cursor.
  if (s.SimStep < s.SimSteps - 1) {
    if (cursor + 1 < count) {
      ++s.SimStep;
      out.kind = SimTickResult::Kind::Interpolated;
      out.record = InterpolateProcRec(recs[cursor], recs[cursor + 1], s.SimStep * s.SimStepFraction);
      return out;
    }
    s.SimStep = s.SimSteps;  // the cursor was moved onto the last point by hand: no leg left
  }

  cursor = std::min(cursor + 1, count - 1);
  out.cursorMoved = true;
  out.kind = SimTickResult::Kind::Point;
  out.record = recs[cursor];
  if (cursor == count - 1 || !s.SimRunning) {
    SetSimulation(s, false);
  } else if (recs[cursor + 1].uiSOG > kUnderWayKnots) {
    PlanLeg(s, recs[cursor], recs[cursor + 1], rate);
  } else {
    s.intervalMs = RoundedMs(12000.0 / rate);
  }
  return out;
}

}  // namespace wl
