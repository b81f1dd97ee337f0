#include "nav/tack_stats.h"

#include <gtest/gtest.h>

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

TEST(TackAverages, LinearAveragesWeighByTheLegTimesOnEitherSide) {
  auto t = WeightedTrack();
  Set(*t, &ProcRec::TWS, 1, 2, 5);
  Set(*t, &ProcRec::WaterS, 4, 8, 0);
  EXPECT_FLOAT_EQ(AvgTWS(*t, 1, 3), 2.5f);  // (1 + 4 + 5) / 4
  EXPECT_FLOAT_EQ(AvgWaterS(*t, 1, 3), 5.0f);
}

TEST(TackAverages, DirectionsAcrossNorthAreMovedNextToTheFirstValue) {
  auto t = WeightedTrack();
  Set(*t, &ProcRec::HDG, 358, 2, 4);  // 358, 362, 364: m = 361.5, rounds to even 362
  EXPECT_EQ(AvgHDG(*t, 1, 3), 2.0f);
  Set(*t, &ProcRec::TWD, 5, 355, 355);  // 5, -5, -5: m = -2.5, rounds to -2
  EXPECT_EQ(AvgTWD(*t, 1, 3), 358.0f);
  Set(*t, &ProcRec::HDG, 100, 120, 141);  // plain: (100 + 240 + 141) / 4 = 120.25
  EXPECT_EQ(AvgHDG(*t, 1, 3), 120.0f);
}

TEST(TackAverages, SignedAnglesAcrossDeadDownwind) {
  auto t = WeightedTrack();
  Set(*t, &ProcRec::TWA, -170, 175, 178);  // -170, -185, -182: m = -180.5, rounds to -180
  EXPECT_EQ(AvgTWA(*t, 1, 3), 180.0f);
  Set(*t, &ProcRec::TWA, 170, -175, -178);  // 170, 185, 182: m = 180.5 -> 180
  EXPECT_EQ(AvgTWA(*t, 1, 3), 180.0f);
  Set(*t, &ProcRec::TWA, -40, -42, -45);
  EXPECT_EQ(AvgTWA(*t, 1, 3), -42.0f);  // (-40 - 84 - 45) / 4 = -42.25
}

TEST(TackAverages, NoPointsOrNoTimeGiveZero) {
  auto t = WeightedTrack();
  Set(*t, &ProcRec::TWS, 9, 9, 9);
  Set(*t, &ProcRec::HDG, 90, 90, 90);
  Set(*t, &ProcRec::TWA, 45, 45, 45);
  EXPECT_EQ(AvgTWS(*t, 3, 2), 0.0f);  // first > last
  EXPECT_EQ(AvgHDG(*t, 3, 2), 0.0f);
  EXPECT_EQ(AvgTWA(*t, 2, 2), 0.0f);  // first = last: W = 0
  EXPECT_EQ(AvgTWS(*t, 2, 9), 0.0f);  // beyond the track
  for (int i = 0; i < 5; ++i) t->ProcRecs[static_cast<size_t>(i)].uiTime = 0;
  EXPECT_EQ(AvgTWS(*t, 1, 3), 0.0f);
  EXPECT_EQ(AvgHDG(*t, 1, 3), 0.0f);
  EXPECT_EQ(AvgTWA(*t, 1, 3), 0.0f);
}

TEST(TackTurn, SignTellsPortFromStarboard) {
  EXPECT_EQ(TurnBetweenLegs(45, 315), -90);
  EXPECT_EQ(TurnBetweenLegs(315, 45), 90);
  EXPECT_EQ(TurnBetweenLegs(10, 350.4f), -20);
  EXPECT_EQ(TurnBetweenLegs(40, 130.5), 90);   // 90.5 rounds to even
  EXPECT_EQ(TurnBetweenLegs(360, 350), -10);   // a course shown as 360 is north
}

TEST(TackLeg, SummaryOfALeg) {
  std::vector<PosRec> pos{{0, 0}};
  test::Sail(pos, 4, 100, 100);  // north-east
  auto t = HandTrack(pos, true);
  t->ProcRecs[0].CumDist = 1;  // Traveled counts from the start of the leg
  t->ProcRecs[4].Time = t->ProcRecs[0].Time + 0.5 / 24;
  const TackRec leg = MakeTackRec(*t, 0, 4);
  EXPECT_NEAR(leg.tackCOG, 45, 0.01);
  EXPECT_FLOAT_EQ(leg.Traveled, t->ProcRecs[4].CumDist - 1);
  EXPECT_NEAR(leg.tackTIME, 0.5, 1e-9);
  EXPECT_NEAR(leg.tackSOG, leg.tackDIST * 2, 1e-4);
}

TEST(TackLeg, AveragesOnlyForTrtLegsOfMoreThanThreeIntervals) {
  std::vector<PosRec> pos{{0, 0}};
  test::Sail(pos, 6, 100, 0);
  auto t = HandTrack(pos, true);
  for (int i = 0; i < 7; ++i) {
    t->ProcRecs[static_cast<size_t>(i)].HDG = 10;
    t->ProcRecs[static_cast<size_t>(i)].TWS = 12;
  }
  EXPECT_FALSE(MakeTackRec(*t, 0, 1).hasAverages);  // two points: no points between
  EXPECT_FALSE(MakeTackRec(*t, 0, 3).hasAverages);
  const TackRec four = MakeTackRec(*t, 0, 4);
  EXPECT_TRUE(four.hasAverages);
  EXPECT_EQ(four.avHDG, 10.0f);
  EXPECT_FLOAT_EQ(four.avTWS, 12.0f);
  t->isTRT = false;
  EXPECT_FALSE(MakeTackRec(*t, 0, 4).hasAverages);
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
