#include "nav/plot_point_text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "hand_track.h"

namespace wl {
namespace {

using test::HandTrack;
using test::Sail;

// 0..legs north-east, then three legs on the second course; tack points at the turn and the end.
std::unique_ptr<ProcessedTrack> TwoLegs(int legs, int32_t dLat2, int32_t dLon2, bool trt) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, legs, 100, 100);
  Sail(pos, 3, dLat2, dLon2);
  auto t = HandTrack(pos, trt);
  t->ProcRecs[static_cast<size_t>(legs)].TackFlag = kTackPoint;
  t->ProcRecs[static_cast<size_t>(legs + 3)].TackFlag = kTackPoint;
  return t;
}

TEST(PlotPointText, OrdinaryPointShowsItsSpeedInModeAllOnly) {
  auto t = TwoLegs(4, -100, 100, false);
  t->ProcRecs[1].uiSOG = 5.25f;
  t->ProcRecs[1].SOG = 6.04f;
  EXPECT_EQ(PlotPointText(*t, 1, kShowTextAll, true), "uiSOG: 5.3");
  EXPECT_EQ(PlotPointText(*t, 1, kShowTextAll, false), "SOG: 6.0");
  // The chooser's blank entry (0) is not "All".
  for (const int mode : {int{kShowTextTackWait}, int{kShowTextNothing}, 0}) EXPECT_EQ(PlotPointText(*t, 1, mode, true), "");
  EXPECT_EQ(PlotPointText(*t, 99, kShowTextAll, true), "");
}

TEST(PlotPointText, TackPointOfATrcTrack) {
  auto t = TwoLegs(4, -100, 100, false);  // 45 degrees, then 135: a turn to starboard
  EXPECT_EQ(PlotPointText(*t, 4, kShowTextTackWait, true),
            "tackDIST: .57          tackCOG:  045\n"
            "Traveled: .57\n"
            "tackTIME: 00:04:00             tackSOG: 8.5 \n"
            "tack Angle: 90 Next tackCOG: 135 ");
  EXPECT_EQ(PlotPointText(*t, 4, kShowTextNothing, true), "");
  EXPECT_NE(PlotPointText(*t, 4, 0, true), "");
}

TEST(PlotPointText, TackPointOfATrtTrackWithAverages) {
  auto t = TwoLegs(5, 100, -100, true);  // 45 degrees, then 315: a turn to port
  t->trueHeading = true;
  for (auto& p : t->ProcRecs) std::tie(p.HDG, p.TWS, p.TWD, p.WaterS) = std::tuple(40.0f, 8.0f, 230.0f, 6.5f);
  EXPECT_EQ(PlotPointText(*t, 5, kShowTextAll, true),
            "tackDIST: .71          tackCOG:  045\n"
            "Traveled: .71          avtHDG:    040 \n"
            "tackTIME: 00:05:00             tackSOG: 8.5 \n"
            "avTWS: 08.0 avTWD: 230 avSPD:   6.5 \n"
            "tack Angle: -90 Next tackCOG: 315 ");
}

TEST(PlotPointText, ShortTrtLegHasNoAverages) {
  auto t = TwoLegs(4, -100, 100, true);
  // The last leg, 4..7: three intervals; the last point is the next-leg end of itself.
  EXPECT_EQ(PlotPointText(*t, 7, kShowTextAll, false),
            "tackDIST: .42          tackCOG:  135\n"
            "Traveled: .42          avHDG:    N/A \n"
            "tackTIME: 00:03:00             tackSOG: 8.5 \n"
            "only 4 intervals, cannot do average\n"
            "tack Angle: -135 Next tackCOG:  ");  // course 0 to itself: 0 + 135 meets 135
}

TEST(PlotPointText, WaitShowsItsDurationFromTheLastMovingPoint) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 6, 100, 0);
  auto t = HandTrack(pos, false);
  for (int i : {2, 3, 5, 6}) t->ProcRecs[static_cast<size_t>(i)].TackFlag = kOutlier;
  const double from = t->ProcRecs[1].Time;
  t->ProcRecs[2].Time = from + 5.0 / 1440;
  t->ProcRecs[3].Time = from + 12.0 / 1440;
  EXPECT_EQ(PlotPointText(*t, 2, kShowTextTackWait, true), "W 00:12:00");
  t->ProcRecs[3].Time = from + 2 + 3.0 / 24;
  EXPECT_EQ(PlotPointText(*t, 2, kShowTextAll, true), "W 2d 03:00:00");
  // A wait lasting to the end of the track ends at the last point.
  t->ProcRecs[6].Time = t->ProcRecs[4].Time + 1.0 / 24;
  EXPECT_EQ(PlotPointText(*t, 5, kShowTextAll, true), "W 01:00:00");
}

}  // namespace
}  // namespace wl
