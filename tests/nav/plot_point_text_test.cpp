#include "nav/plot_point_text.h"

#include <gtest/gtest.h>

#include "track_builder.h"

namespace wl::test {
namespace {

// `legs` legs north-east, then three on a second course; tack points at the turn and the end.
Processed TwoLegs(int legs, int32_t dLat2, int32_t dLon2, bool trt) {
  TrackBuilder b(trt);
  b.At(0, 0, kNoon).Steps(legs, 100, 100).Steps(3, dLat2, dLon2);
  b.store().TrueHeading = trt;
  for (int32_t i = 0; i < b.store().TrackCount; ++i) {
    TrackRec& r = b.Point(i);
    r.HDG = 40, r.TWS = 8, r.TWD = 230, r.WaterS = 6.5f;
  }
  Processed p = Process(b.store(), "0");
  p.SetFlags({legs, legs + 3}, kTackPoint);
  return p;
}

TEST(PlotPointText, OrdinaryPointShowsItsSpeedInModeAllOnly) {
  Processed p = TwoLegs(4, -100, 100, false);
  p.track->ProcRecs[1].uiSOG = 5.25f;
  p.track->ProcRecs[1].SOG = 6.04f;
  EXPECT_EQ(PlotPointText(*p.track, 1, kShowTextAll, true) + "|" + PlotPointText(*p.track, 1, kShowTextAll, false),
            "uiSOG: 5.3|SOG: 6.0");
  // The chooser's blank entry (0) is not "All"; a point beyond the track has no text.
  EXPECT_EQ(PlotPointText(*p.track, 1, 0, true) + PlotPointText(*p.track, 1, kShowTextTackWait, true) +
                PlotPointText(*p.track, 99, kShowTextAll, true), "");
}

TEST(PlotPointText, TackPoints) {
  const Processed trc = TwoLegs(4, -100, 100, false);  // 45 degrees, then 135: a turn to starboard
  EXPECT_EQ(PlotPointText(*trc.track, 4, kShowTextTackWait, true),
            "tackDIST: .57          tackCOG:  045\n"
            "Traveled: .57\n"
            "tackTIME: 00:04:00             tackSOG: 8.5 \n"
            "tack Angle: 90 Next tackCOG: 135 ");
  EXPECT_EQ(PlotPointText(*trc.track, 4, kShowTextNothing, true), "");

  // A .trt tack with its averages is pinned by the plot golden of zigzag.trt. Here 45 degrees, then
  // 315; the last leg, 5..8, has three intervals; the last point is the next-leg end of itself (course 0).
  const Processed trt = TwoLegs(5, 100, -100, true);
  EXPECT_EQ(PlotPointText(*trt.track, 8, kShowTextAll, false),
            "tackDIST: .42          tackCOG:  315\n"
            "Traveled: .42          avtHDG:    N/A \n"
            "tackTIME: 00:03:00             tackSOG: 8.5 \n"
            "only 4 intervals, cannot do average\n"
            "tack Angle: 45 Next tackCOG: 0 ");
}

// No turn and a next leg due north show 0, not a blank.
TEST(PlotPointText, TackPointsDueNorthShowZero) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Steps(7, 100, 0);
  Processed p = Process(b.store(), "0");
  p.SetFlags({4, 7}, kTackPoint);
  const std::string text = PlotPointText(*p.track, 4, kShowTextAll, true);
  EXPECT_EQ(text.substr(text.rfind('\n') + 1), "tack Angle: 0 Next tackCOG: 0 ");
}

TEST(PlotPointText, WaitShowsItsDurationFromTheLastMovingPoint) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Steps(6, 100, 0);
  Processed p = Process(b.store(), "0");
  p.SetFlags({2, 3, 5, 6}, kOutlier);
  auto& recs = p.track->ProcRecs;
  // Waits within a day are pinned by the plot golden of anchor_wait.trt.
  recs[3].Time = recs[1].Time + 2 + 3.0 / 24;
  EXPECT_EQ(PlotPointText(*p.track, 2, kShowTextTackWait, true), "W 2d 03:00:00");
  // A wait lasting to the end of the track ends at the last point.
  recs[6].Time = recs[4].Time + 1.0 / 24;
  EXPECT_EQ(PlotPointText(*p.track, 5, kShowTextAll, true), "W 01:00:00");
}

}  // namespace
}  // namespace wl::test
