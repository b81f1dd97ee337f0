#include "nav/tack_stats.h"

#include <cfloat>
#include <cmath>

#include "nav/geodesy.h"

namespace wl {

namespace {

constexpr double kMetresPerMile = 1852;

// Stored into a 32-bit field: NaN and values beyond the float range must not reach the cast.
float StoredFloat(double v) {
  if (std::isnan(v)) return 0;
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

bool HasPoints(const ProcessedTrack& processed, int32_t first, int32_t last) {
  return first >= 0 && first <= last && last < processed.count;
}

// Σ w(j)·x(j) / W in rising index order, W the sum of the leg times first..last-1; 0 when W ≤ 0.
template <class Value>
double WeightedMean(const ProcessedTrack& processed, int32_t first, int32_t last, Value x) {
  if (!HasPoints(processed, first, last)) return 0;
  const auto& recs = processed.ProcRecs;
  double total = 0;
  for (int32_t j = first; j < last; ++j) total += recs[static_cast<size_t>(j)].uiTime;
  if (!(total > 0)) return 0;
  double sum = 0;
  for (int32_t j = first; j <= last; ++j) {
    double w = 0;
    if (j > first) w += recs[static_cast<size_t>(j - 1)].uiTime / 2.0;
    if (j < last) w += recs[static_cast<size_t>(j)].uiTime / 2.0;
    sum += w * x(recs[static_cast<size_t>(j)]);
  }
  return sum / total;
}

template <class Field>
float DirectionAverage(const ProcessedTrack& processed, int32_t first, int32_t last, Field field) {
  if (!HasPoints(processed, first, last)) return 0;
  const double r = field(processed.ProcRecs[static_cast<size_t>(first)]);
  // Values across north from the reference are moved next to it.
  const double m = WeightedMean(processed, first, last, [&](const ProcRec& p) {
    const double x = field(p);
    if (r >= 0 && r < 90 && x > 270 - r) return x - 360;
    if (r > 270 && r <= 360 && x < r - 270) return x + 360;
    return x;
  });
  if (!std::isfinite(m)) return 0;
  double a = std::fmod(std::nearbyint(m), 360.0);
  if (a < 0) a += 360;
  return static_cast<float>(a);
}

}  // namespace

float AvgTWS(const ProcessedTrack& processed, int32_t first, int32_t last) {
  return StoredFloat(WeightedMean(processed, first, last, [](const ProcRec& p) { return double{p.TWS}; }));
}

float AvgWaterS(const ProcessedTrack& processed, int32_t first, int32_t last) {
  return StoredFloat(WeightedMean(processed, first, last, [](const ProcRec& p) { return double{p.WaterS}; }));
}

float AvgTWD(const ProcessedTrack& processed, int32_t first, int32_t last) {
  return DirectionAverage(processed, first, last, [](const ProcRec& p) { return double{p.TWD}; });
}

float AvgHDG(const ProcessedTrack& processed, int32_t first, int32_t last) {
  return DirectionAverage(processed, first, last, [](const ProcRec& p) { return double{p.HDG}; });
}

float AvgTWA(const ProcessedTrack& processed, int32_t first, int32_t last) {
  if (!HasPoints(processed, first, last)) return 0;
  const double r = processed.ProcRecs[static_cast<size_t>(first)].TWA;
  // Angles across dead downwind from the reference are moved next to it.
  const double m = WeightedMean(processed, first, last, [&](const ProcRec& p) {
    const double x = p.TWA;
    if (r > 90 && x < r - 180) return x + 360;
    if (r < -90 && x > r + 180) return x - 360;
    return x;
  });
  if (!std::isfinite(m)) return 0;
  double a = std::fmod(std::nearbyint(m), 360.0);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return static_cast<float>(a);
}

TackRec MakeTackRec(const ProcessedTrack& processed, int32_t s, int32_t e) {
  const ProcRec& start = processed.ProcRecs[static_cast<size_t>(s)];
  const ProcRec& end = processed.ProcRecs[static_cast<size_t>(e)];
  TackRec t;
  t.StartIndex = static_cast<int16_t>(s);
  t.EndIndex = static_cast<int16_t>(e);
  t.StartTime = start.Time;
  t.EndTime = end.Time;
  t.tackCOG = GetCourse(start.Pos, end.Pos);
  t.tackDIST = StoredFloat(GetDist(start.Pos, end.Pos) / kMetresPerMile);
  t.Traveled = StoredFloat(double{end.CumDist} - double{start.CumDist});
  t.tackTIME = (end.Time - start.Time) * 24;
  const double sog = t.tackTIME != 0 ? t.tackDIST / t.tackTIME : 0;
  // A span too small or too large to give a speed (a damaged time) counts as no time.
  t.tackSOG = std::isfinite(sog) && std::fabs(sog) <= FLT_MAX ? static_cast<float>(sog) : 0;
  t.hasAverages = processed.isTRT && e - s > 3;
  if (t.hasAverages) {
    t.avHDG = AvgHDG(processed, s + 1, e - 1);
    t.avSPD = AvgWaterS(processed, s + 1, e - 1);
    t.avTWS = AvgTWS(processed, s + 1, e - 1);
    t.avTWD = AvgTWD(processed, s + 1, e - 1);
    t.avTWA = AvgTWA(processed, s + 1, e - 1);
  }
  return t;
}

double TurnBetweenLegs(double shownPrevious, double next) {
  double a = std::nearbyint(std::fabs(next - shownPrevious));
  if (a > 180) a = 360 - a;
  // A course shown as 360 is north as much as 0 is; compare on the circle.
  double previous = std::fmod(shownPrevious, 360.0);
  if (previous < 0) previous += 360;
  return std::fmod(std::nearbyint(next + a), 360.0) == previous ? -a : a;
}

}  // namespace wl
