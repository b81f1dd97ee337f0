#include "nav/tack_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "nav/tack_stats.h"
#include "track_builder.h"

namespace wl::test {
namespace {

using Row = std::vector<std::string>;

std::string Cells(const Row& row, std::initializer_list<size_t> cols) {
  std::string s;
  for (size_t c : cols) s += (s.empty() ? "" : "|") + row[c];
  return s;
}

// The heads of both kinds, and waits (that split legs, give no tack angle, last over a day) are
// pinned by the golden outputs of `wakeline-cli tacks`.
TEST(TackList, TheEmptyFirstRowStaysUntilATackRowArrives) {
  TrackBuilder trt(true);
  trt.At(0, 0, kNoon);
  trt.store().TrueHeading = true;
  const TackList b = BuildTackList(*Process(trt.store()).track);
  EXPECT_EQ(b.rows[0][5], "avtHDG:    ");
  EXPECT_EQ(b.rows, (std::vector<Row>{b.rows[0], Row(13)}));
  EXPECT_EQ(b.firstPoints, (std::vector<int32_t>{-1, -1}));

  // Detection off: only the waits follow the empty first row.
  TrackBuilder waits;
  waits.At(0, 0, kNoon).Steps(3, 100, 0).Steps(2, 0, 0).Steps(2, 100, 0);
  const TackList c = BuildTackList(*Process(waits.store(), "0").track);
  ASSERT_EQ(c.rows.size(), 3u);
  EXPECT_EQ(c.rows[1], Row(9));
  EXPECT_EQ(c.rows[2], (Row{"20080711 12:03:00", "12:05:00", "0:02:00", "", "", "", "", "", ""}));
  EXPECT_EQ(c.firstPoints, (std::vector<int32_t>{-1, -1, 3}));
}

TEST(TackList, AveragesNeedMoreThanThreeIntervals) {
  TrackBuilder b(true);
  b.At(0, 0, kNoon).Steps(3, 100, 100).Steps(4, 100, -100);
  for (int32_t i = 0; i < 8; ++i) {
    TrackRec& r = b.Point(i);
    r.HDG = 40, r.TWS = 8, r.TWD = 230, r.TWA = -42, r.WaterS = 6.5f;
  }
  Processed p = Process(b.store(), "0");
  p.SetFlags({3, 7}, kTackPoint);
  const TackList list = BuildTackList(*p.track);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[1], (Row{"20080711 12:00:00", "12:03:00", "00:03:00", ".42", ".42", "N/A", "45", "8.5", "N/A",
                               "N/A", "N/A", "N/A", "-90"}));
  EXPECT_EQ(list.rows[2], (Row{"20080711 12:03:00", "12:07:00", "00:04:00", ".57", ".57", "40", "315", "8.5", "6.5",
                               "8.0", "230", "-42", ""}));
}

// North, east, north: both turns are tacks, and courses and average headings of 0 show "0".
TEST(TackList, LegsDueNorthKeepTheirCourseAndTackAngle) {
  TrackBuilder b(true);
  b.At(0, 0, kNoon).Steps(9, 100, 0).Steps(9, 0, 100).Steps(9, 100, 0);
  const TackList list = BuildTackList(*Process(b.store()).track);
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(Cells(list.rows[1], {1, 5, 6, 12}), "12:09:00|0|0|90");
  EXPECT_EQ(Cells(list.rows[2], {1, 5, 6, 12}), "12:18:00|0|90|-90");
  EXPECT_EQ(Cells(list.rows[3], {1, 5, 6, 12}), "12:27:00|0|0|");
}

// Select All and the heads of both kinds are pinned by the tack list window's test.
TEST(TackList, CopyTakesABlockSelectedEitherWayRound) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Steps(4, 100, 100).Steps(4, -100, 100);
  TackList list = BuildTackList(*Process(b.store()).track);
  list.selection = {2, 7, 1, 6};
  const std::string text = TackListCopyText(list);
  EXPECT_EQ(text.substr(text.find("\r\n") + 2), "45\t8.5\r\n135\t8.5");
}


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
}  // namespace wl::test
