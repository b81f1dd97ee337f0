#include "nav/tack_stats.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace wl {
namespace {

// Points 0..4 with a value at 1..3 and uiTime 2 h at 1 and 2: weights 1, 2, 1 over 1..3 (W = 4).
// uiTime at 0 and 3 lies outside the weights and is set to catch an off-by-one.
std::unique_ptr<ProcessedTrack> Weighted(float ProcRec::*field, float a, float b, float c) {
  auto t = std::make_unique<ProcessedTrack>();
  t->count = 5;
  const float times[] = {100, 2, 2, 100, 1};
  for (size_t i = 0; i < 5; ++i) t->ProcRecs[i].uiTime = times[i];
  t->ProcRecs[1].*field = a;
  t->ProcRecs[2].*field = b;
  t->ProcRecs[3].*field = c;
  return t;
}

// Directions across north or dead downwind are moved next to the first value; the mean rounds
// half to even.
TEST(TackAverages, WeighByTheLegTimesOnEitherSide) {
  using Avg = float (*)(const ProcessedTrack&, int32_t, int32_t);
  const std::tuple<float ProcRec::*, Avg, float, float, float, float> cases[] = {
      {&ProcRec::TWS, AvgTWS, 1, 2, 5, 2.5f},          // (1 + 4 + 5) / 4
      {&ProcRec::WaterS, AvgWaterS, 4, 8, 0, 5.0f},
      {&ProcRec::HDG, AvgHDG, 358, 2, 4, 2.0f},        // 358, 362, 364: 361.5 -> 362
      {&ProcRec::TWD, AvgTWD, 5, 355, 355, 358.0f},    // 5, -5, -5: -2.5 -> -2
      {&ProcRec::HDG, AvgHDG, 100, 120, 141, 120.0f},  // 120.25
      {&ProcRec::TWA, AvgTWA, -170, 175, 178, 180.0f}, // -180.5 -> -180
      {&ProcRec::TWA, AvgTWA, 170, -175, -178, 180.0f},
      {&ProcRec::TWA, AvgTWA, -40, -42, -45, -42.0f},  // -42.25
  };
  for (const auto& [field, avg, a, b, c, expected] : cases)
    EXPECT_EQ(avg(*Weighted(field, a, b, c), 1, 3), expected) << a << " " << b << " " << c;
  // No points (first > last, first = last, beyond the track) or no time give 0.
  auto t = Weighted(&ProcRec::HDG, 90, 90, 90);
  for (auto [first, last] : {std::pair{3, 2}, {2, 2}, {2, 9}}) EXPECT_EQ(AvgHDG(*t, first, last), 0.0f);
  for (auto& p : t->ProcRecs) p.uiTime = 0;
  for (auto avg : {AvgTWS, AvgHDG, AvgTWA}) EXPECT_EQ(avg(*t, 1, 3), 0.0f);
}

TEST(TackTurn, SignTellsPortFromStarboard) {
  // 90.5 rounds to even; a course shown as 360 is north.
  for (auto [from, to, turn] : {std::tuple{45.0f, 315.0f, -90}, {315.0f, 45.0f, 90}, {10.0f, 350.4f, -20},
                                {40.0f, 130.5f, 90}, {360.0f, 350.0f, -10}, {0.0f, 90.0f, 90}})
    EXPECT_EQ(TurnBetweenLegs(from, to), turn) << from << " " << to;
}

TEST(TackLeg, NoTimeGivesNoSpeed) {
  ProcessedTrack t;
  t.count = 3;
  t.ProcRecs[2].Pos = {200, 0};
  for (double end : {0.0, 1e-300}) {  // the same time, or damaged times
    t.ProcRecs[2].Time = end;
    EXPECT_EQ(MakeTackRec(t, 0, 2).tackSOG, 0.0f) << end;
  }
}

}  // namespace
}  // namespace wl
