#include "nav/track_processing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "nav/geodesy.h"
#include "track_builder.h"

namespace wl::test {
namespace {

// A leg north from (0, 0) at kNoon whose speed computes to exactly `knots`: the leg time times
// 1852 must then equal the distance divided by the speed without rounding, which only some
// distances allow. Returns the number of position units, 0 when none is found.
int32_t UnitsForExactSpeed(double knots, double& t1) {
  for (int32_t units = 1; units < 200000; ++units) {
    const float dist = GetDist(PosRec{0, 0}, PosRec{units, 0});
    const double days = dist / (knots * 1852 * 24);
    if (days >= 1) break;
    t1 = kNoon + days;
    if (dist / ((t1 - kNoon) * 24 * 1852) == knots) return units;
  }
  return 0;
}

TEST(TrackProcessing, SpeedBoundsAreOutliersJustInsideAreNot) {
  for (const double knots : {12.0, 0.5}) {
    double t1 = 0;
    const int32_t units = UnitsForExactSpeed(knots, t1);
    ASSERT_NE(units, 0) << knots;
    TrackBuilder b;
    b.At(0, 0, kNoon).At(units, 0, t1).Leg(0, kStep, kMinute);  // point 1 is not the last point
    const Processed p = Process(b.store());
    ASSERT_EQ(p.Leg(1).speed, knots);
    EXPECT_TRUE(p.Leg(1).red) << knots;
    EXPECT_EQ(p.Flag(1), 2) << knots;
    EXPECT_EQ(p.Leg(1).cumTime, 0) << knots;
    EXPECT_GT(p.Leg(1).cumDist, 0) << knots;
  }
  for (const double knots : {11.99, 0.51}) {
    TrackBuilder b;
    const double seconds = 600;
    b.At(0, 0, kNoon).Leg(0, knots * 1852 / 3600 * seconds / 1.85208, seconds);
    const Processed p = Process(b.store(), "0");
    ASSERT_NEAR(p.Leg(1).speed, knots, 0.003);
    EXPECT_FALSE(p.Leg(1).red) << knots;
    EXPECT_NE(p.Flag(1), 2) << knots;
    EXPECT_NEAR(p.Leg(1).cumTime, seconds / 3600, 1e-9) << knots;
  }
}

TEST(TrackProcessing, LegsWithoutAUsableTimeAreZeroOutliers) {
  TrackBuilder b;
  b.At(0, 0, kNoon)
      .Leg(0, kStep, kMinute)   // 1
      .Leg(0, kStep, 0)         // 2: same time as point 1
      .Leg(0, kStep, -3600)     // 3: an hour back
      .Leg(0, kStep, kMinute);  // 4: measured from the jumped-back time
  b.Leg(0, kStep, 0).Last().Time = b.Point(4).Time + 1;  // 5: a whole day later
  b.Leg(0, kStep, kMinute);                                // 6
  b.Leg(0, kStep, 0).Last().Time = 0.5;                    // 7: no day part
  b.Leg(0, kStep, 0).Last().Time = kNoon + 2;              // 8: more than a day after point 7
  b.Leg(0, kStep, kMinute);                                // 9
  b.Leg(0, kStep, 0).Last().Time = 3e9;                    // 10: beyond the date guard
  b.Leg(0, kStep, 0).Last().Time = b.Point(9).Time + 2 * kMinute * kSecond;  // 11: from time 0
  b.Leg(0, kStep, kMinute);                                                  // 12
  const Processed p = Process(b.store(), "0");
  for (int i : {2, 3, 5, 7, 8, 10, 11}) {
    EXPECT_EQ(p.Rec(i).uiTime, 0) << i;
    EXPECT_EQ(p.Rec(i).uiSOG, 0) << i;
    EXPECT_TRUE(p.Leg(i).red) << i;
    EXPECT_EQ(p.Flag(i), 2) << i;
  }
  for (int i : {1, 4, 6, 9, 12}) EXPECT_FALSE(p.Leg(i).red) << i;
  EXPECT_EQ(p.Rec(10).Time, 0);
  EXPECT_NEAR(p.Rec(12).CumTime * 60, 5, 1e-5);
  EXPECT_NEAR(p.Rec(12).CumDist, 12 * kStep * 1.85208 / 1852, 1e-4);
}

// The highest plausible speed sets the plot's scale; a jump of 10 % or more never does.
TEST(TrackProcessing, SpeedScaleFollowsSteadySpeedsNotSpikes) {
  auto waterSpeeds = [](std::initializer_list<float> speeds) {
    TrackBuilder b(true);
    b.At(0, 0, kNoon);
    bool first = true;
    for (float v : speeds) {
      if (!first) b.Leg(90, kStep, kMinute);
      b.Last().WaterS = v;
      first = false;
    }
    return Process(b.store()).settings;
  };
  const SettingsValues rise = waterSpeeds({5.0f, 5.3f, 5.6f, 5.9f, 6.2f, 6.5f, 6.8f, 7.05f, 7.3f, 7.0f});
  EXPECT_EQ(rise.txtPltSpdHigh + " " + rise.txtPltSpdLow, "7.0 3.0");
  const SettingsValues spike = waterSpeeds({6.0f, 6.0f, 6.0f, 7.8f, 6.0f, 6.0f});
  EXPECT_EQ(spike.txtPltSpdHigh + " " + spike.txtPltSpdLow, "6.0 3.0");
  const SettingsValues still = waterSpeeds({0.0f, 0.0f});
  EXPECT_EQ(still.txtPltSpdHigh + " " + still.txtPltSpdLow, "0.0 0.0");

  // TRC tracks use the leg speed: legs near 6.2 kn with one leg near 8.1 kn.
  TrackBuilder trc;
  trc.At(0, 0, kNoon).Legs(4, 90, 103, kMinute).Leg(90, 135, kMinute).Legs(4, 90, 103, kMinute);
  const Processed p = Process(trc.store());
  ASSERT_NEAR(p.Leg(5).speed, 8.1, 0.05);
  EXPECT_EQ(p.settings.PlotSpeedHigh, 6.0f);
}

TEST(TrackProcessing, FixedSpeedScaleIsLeftAlone) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(5, 90, kStep, kMinute);
  Processed p;
  p.settings.PlotSpeedFixed = true;
  p.settings.PlotSpeedHigh = 9;
  p.Run(b.store());
  EXPECT_EQ(p.settings.PlotSpeedHigh, 9.0f);
  EXPECT_EQ(p.settings.txtPltSpdHigh, "7.5");
}

TEST(TrackProcessing, LastPointClosesTheLastLegUnlessDetectionIsOff) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(9, 90, kStep, kMinute).Legs(10, 0, kStep, kMinute).Leg(0, kStep, 0);
  Processed p = Process(b.store());
  EXPECT_EQ(p.Flag(9), 1);
  EXPECT_TRUE(p.Leg(20).red);
  EXPECT_EQ(p.Flag(20), 1);  // over the outlier flag

  // Leaving the box with 0: the same processed track loses every tack mark.
  p.settings.tackAngle = "0";
  p.Run(b.store());
  for (int32_t i = 0; i < 21; ++i) EXPECT_EQ(p.Flag(i), 0) << i;
  EXPECT_FALSE(p.Leg(10).yellow);
}

TEST(TrackProcessing, ProgressCountsDownOnLongTracks) {
  std::vector<std::string> captions;
  const ProgressFn record = [&](const std::string& c) { captions.push_back(c); };
  TrackBuilder shortTrack;
  shortTrack.At(0, 0, kNoon).Legs(99, 90, kStep, kMinute);
  Processed p;
  p.Run(shortTrack.store(), record);
  EXPECT_EQ(captions, (std::vector<std::string>{"100", ""}));

  // 1000 points: a step every 11 points from 110 on, 81 steps.
  TrackBuilder longTrack;
  longTrack.At(0, 0, kNoon).Legs(999, 90, kStep, kMinute);
  captions.clear();
  p.Run(longTrack.store(), record);
  ASSERT_EQ(captions.size(), 83u);
  EXPECT_EQ(captions[1] + " " + captions[81] + " " + captions[82], "99 19 ");

  // No points at all: the finish still runs.
  TrackBuilder empty;
  captions.clear();
  p.settings.PlotSpeedHigh = 5;
  p.Run(empty.store(), record);
  EXPECT_EQ(captions, (std::vector<std::string>{"100", ""}));
  EXPECT_EQ(p.settings.PlotSpeedHigh, 0.0f);
}

}  // namespace
}  // namespace wl::test
