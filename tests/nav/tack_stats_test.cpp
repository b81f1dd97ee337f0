#include "nav/tack_stats.h"

#include <gtest/gtest.h>

#include <tuple>

#include "hand_track.h"

namespace wl {
namespace {

using test::HandTrack;

// Points 0..4; the averages run over 1..3 with uiTime 2 h at 1 and 2 (weights 1, 2, 1, W = 4).
// uiTime at 3 and at 0 lies outside the weights and is set to catch an off-by-one.
std::unique_ptr<ProcessedTrack> WeightedTrack() {
  auto t = HandTrack(std::vector<PosRec>(5), true);
  const float times[] = {100, 2, 2, 100, 1};
  for (int i = 0; i < 5; ++i) t->ProcRecs[static_cast<size_t>(i)].uiTime = times[i];
  return t;
}

void Set(ProcessedTrack& t, float ProcRec::*field, float a, float b, float c) {
  t.ProcRecs[1].*field = a;
  t.ProcRecs[2].*field = b;
  t.ProcRecs[3].*field = c;
}

// Values at points 1..3 with weights 1, 2, 1; directions across north or dead downwind are moved next
// to the first value, and the mean rounds half to even.
TEST(TackAverages, WeighByTheLegTimesOnEitherSide) {
  using Avg = float (*)(const ProcessedTrack&, int32_t, int32_t);
  struct Case {
    float ProcRec::*field;
    Avg avg;
    float a, b, c, expected;
  };
  const Case cases[] = {
      {&ProcRec::TWS, AvgTWS, 1, 2, 5, 2.5f},          // (1 + 4 + 5) / 4
      {&ProcRec::WaterS, AvgWaterS, 4, 8, 0, 5.0f},
      {&ProcRec::HDG, AvgHDG, 358, 2, 4, 2.0f},        // 358, 362, 364: 361.5 -> 362
      {&ProcRec::TWD, AvgTWD, 5, 355, 355, 358.0f},    // 5, -5, -5: -2.5 -> -2
      {&ProcRec::HDG, AvgHDG, 100, 120, 141, 120.0f},  // 120.25
      {&ProcRec::TWA, AvgTWA, -170, 175, 178, 180.0f}, // -180.5 -> -180
      {&ProcRec::TWA, AvgTWA, 170, -175, -178, 180.0f},
      {&ProcRec::TWA, AvgTWA, -40, -42, -45, -42.0f},  // -42.25
  };
  for (const Case& c : cases) {
    auto t = WeightedTrack();
    Set(*t, c.field, c.a, c.b, c.c);
    if (c.avg == AvgTWS || c.avg == AvgWaterS)
      EXPECT_FLOAT_EQ(c.avg(*t, 1, 3), c.expected);
    else
      EXPECT_EQ(c.avg(*t, 1, 3), c.expected) << c.a << " " << c.b << " " << c.c;
  }
}

TEST(TackAverages, NoPointsOrNoTimeGiveZero) {
  auto t = WeightedTrack();
  Set(*t, &ProcRec::TWS, 9, 9, 9);
  Set(*t, &ProcRec::HDG, 90, 90, 90);
  Set(*t, &ProcRec::TWA, 45, 45, 45);
  EXPECT_EQ(AvgHDG(*t, 3, 2), 0.0f);  // first > last
  EXPECT_EQ(AvgTWA(*t, 2, 2), 0.0f);  // first = last: W = 0
  EXPECT_EQ(AvgTWS(*t, 2, 9), 0.0f);  // beyond the track
  for (int i = 0; i < 5; ++i) t->ProcRecs[static_cast<size_t>(i)].uiTime = 0;
  EXPECT_EQ(AvgTWS(*t, 1, 3), 0.0f);
  EXPECT_EQ(AvgHDG(*t, 1, 3), 0.0f);
  EXPECT_EQ(AvgTWA(*t, 1, 3), 0.0f);
}

TEST(TackTurn, SignTellsPortFromStarboard) {
  // 90.5 rounds to even; a course shown as 360 is north.
  for (auto [from, to, turn] : {std::tuple{45.0f, 315.0f, -90}, {315.0f, 45.0f, 90}, {10.0f, 350.4f, -20},
                                {40.0f, 130.5f, 90}, {360.0f, 350.0f, -10}})
    EXPECT_EQ(TurnBetweenLegs(from, to), turn) << from << " " << to;
}

TEST(TackLeg, NoTimeGivesNoSpeed) {
  std::vector<PosRec> pos{{0, 0}};
  test::Sail(pos, 2, 100, 0);
  auto t = HandTrack(pos, false);
  t->ProcRecs[2].Time = t->ProcRecs[0].Time;
  EXPECT_EQ(MakeTackRec(*t, 0, 2).tackSOG, 0.0f);
  t->ProcRecs[0].Time = 0;  // damaged times: no absurd speed
  t->ProcRecs[2].Time = 1e-300;
  EXPECT_EQ(MakeTackRec(*t, 0, 2).tackSOG, 0.0f);
}

}  // namespace
}  // namespace wl
