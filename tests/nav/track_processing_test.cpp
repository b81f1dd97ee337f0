#include "nav/track_processing.h"

#include <gtest/gtest.h>

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
    b.At(0, 0, kNoon).At(units, 0, t1).Legs(1, 0, kStep);  // point 1 is not the last point
    const Processed p = Process(b.store());
    ASSERT_EQ(p.Leg(1).speed, knots);
    EXPECT_TRUE(p.Leg(1).red && p.Flag(1) == kOutlier) << knots;
    EXPECT_EQ(p.Leg(1).cumTime, 0) << knots;  // the time is not counted, the distance is
    EXPECT_GT(p.Leg(1).cumDist, 0) << knots;
  }
  for (const double knots : {11.99, 0.51}) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(1, 0, knots * 1852 / 3600 * 600 / 1.85208, 600);
    const Processed p = Process(b.store(), "0");
    ASSERT_NEAR(p.Leg(1).speed, knots, 0.003);
    EXPECT_FALSE(p.Leg(1).red || p.Flag(1) == kOutlier) << knots;
    EXPECT_NEAR(p.Leg(1).cumTime, 600.0 / 3600, 1e-9) << knots;
  }
}

TEST(TrackProcessing, LegsWithoutAUsableTimeAreZeroOutliers) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(1, 0, kStep)  // 1
      .Legs(1, 0, kStep, 0)             // 2: same time as point 1
      .Legs(1, 0, kStep, -3600)         // 3: an hour back
      .Legs(1, 0, kStep);               // 4: measured from the jumped-back time
  b.Legs(1, 0, kStep, 0).Last().Time = b.Point(4).Time + 1;  // 5: a whole day later
  b.Legs(1, 0, kStep);                                        // 6
  b.Legs(1, 0, kStep, 0).Last().Time = 0.5;                   // 7: no day part
  b.Legs(1, 0, kStep, 0).Last().Time = kNoon + 2;             // 8: more than a day after point 7
  b.Legs(1, 0, kStep);                                        // 9
  b.Legs(1, 0, kStep, 0).Last().Time = 3e9;                   // 10: beyond the date guard
  b.Legs(1, 0, kStep, 0).Last().Time = b.Point(9).Time + 2 * kMinute * kSecond;  // 11: from time 0
  b.Legs(1, 0, kStep);                                                            // 12
  const Processed p = Process(b.store(), "0");
  for (int i : {2, 3, 5, 7, 8, 10, 11})
    EXPECT_TRUE(p.Rec(i).uiTime == 0 && p.Rec(i).uiSOG == 0 && p.Flag(i) == kOutlier) << i;
  for (int i : {1, 4, 6, 9, 12}) EXPECT_FALSE(p.Leg(i).red) << i;
  EXPECT_EQ(p.Rec(10).Time, 0);
  EXPECT_NEAR(p.Rec(12).CumTime * 60, 5, 1e-5);
  EXPECT_NEAR(p.Rec(12).CumDist, 12 * kStep * 1.85208 / 1852, 1e-4);
}

// The highest plausible speed sets the plot's scale; a jump of 10 % or more never does.
TEST(TrackProcessing, SpeedScaleFollowsSteadySpeedsNotSpikes) {
  auto scaleOf = [](std::initializer_list<float> waterSpeeds) {
    TrackBuilder b(true);
    b.At(0, 0, kNoon).Last().WaterS = *waterSpeeds.begin();
    for (auto v = waterSpeeds.begin() + 1; v != waterSpeeds.end(); ++v) b.Legs(1, 90, kStep).Last().WaterS = *v;
    const SpeedScale s = *Process(b.store()).scale;
    return std::pair{s.high, s.low};
  };
  EXPECT_EQ(scaleOf({5.0f, 5.3f, 5.6f, 5.9f, 6.2f, 6.5f, 6.8f, 7.05f, 7.3f, 7.0f}), std::pair(7.0f, 3.0f));
  EXPECT_EQ(scaleOf({6.0f, 6.0f, 6.0f, 7.8f, 6.0f, 6.0f}), std::pair(6.0f, 3.0f));
  EXPECT_EQ(scaleOf({0.0f, 0.0f}), std::pair(0.0f, 0.0f));

  // TRC tracks use the leg speed: legs near 6.2 kn with one leg near 8.1 kn.
  TrackBuilder trc;
  trc.At(0, 0, kNoon).Legs(4, 90, 103).Legs(1, 90, 135).Legs(4, 90, 103);
  const Processed p = Process(trc.store());
  ASSERT_NEAR(p.Leg(5).speed, 8.1, 0.05);
  EXPECT_EQ(p.scale->high, 6.0f);
  // A scale the user fixed is left alone.
  EXPECT_FALSE(ProcessTrackRecs(trc.store(), *p.track, ProcessOptions{"30", true}));
}

TEST(TrackProcessing, LastPointClosesTheLastLegUnlessDetectionIsOff) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(9, 90, kStep).Legs(10, 0, kStep).Legs(1, 0, kStep, 0);
  const Processed p = Process(b.store());
  EXPECT_EQ(p.Flag(9), kTackPoint);
  EXPECT_TRUE(p.Leg(20).red);
  EXPECT_EQ(p.Flag(20), kTackPoint);  // over the outlier flag

  // Leaving the box with 0: the same processed track loses every tack mark.
  ProcessTrackRecs(b.store(), *p.track, ProcessOptions{"0", false});
  for (int32_t i = 0; i < 21; ++i) EXPECT_EQ(p.Flag(i), kOrdinary) << i;
}

TEST(TrackProcessing, ProgressCountsDownOnLongTracks) {
  std::vector<std::string> captions;
  const ProgressFn record = [&](const std::string& c) { captions.push_back(c); };
  // 1000 points: a step every 11 points from 110 on, 81 steps.
  TrackBuilder longTrack;
  longTrack.At(0, 0, kNoon).Legs(999, 90, kStep);
  Process(longTrack.store(), "30", record);
  ASSERT_EQ(captions.size(), 83u);
  EXPECT_EQ(captions[1] + " " + captions[81] + " " + captions[82], "99 19 ");
}

}  // namespace
}  // namespace wl::test
