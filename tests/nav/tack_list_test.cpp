#include "nav/tack_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "hand_track.h"

namespace wl {
namespace {

using test::HandTrack;
using test::Sail;
using Row = std::vector<std::string>;

const Row kTrcHeads{"Date and Time (UTC)", "EndTime", "tackTIME: ", "tackDIST: ", "Traveled: ",
                    "avHDG:    ", "tackCOG:  ", "tackSOG: ", "tack Angle: "};

void Flag(ProcessedTrack& t, std::initializer_list<int> points, int16_t flag) {
  for (int i : points) t.ProcRecs[static_cast<size_t>(i)].TackFlag = flag;
}

void Stop(ProcessedTrack& t, std::initializer_list<int> points) {
  for (int i : points) t.ProcRecs[static_cast<size_t>(i)].uiSOG = 0;
}

TEST(TackList, ColumnsWidthsAndEmptyLists) {
  auto trc = HandTrack({{0, 0}}, false);
  const TackList a = BuildTackList(*trc);
  EXPECT_EQ(a.rows[0], kTrcHeads);

  auto trt = HandTrack({{0, 0}}, true);
  trt->trueHeading = true;
  const TackList b = BuildTackList(*trt);
  EXPECT_EQ(b.rows[0][5], "avtHDG:    ");
  EXPECT_EQ(b.rows, (std::vector<Row>{b.rows[0], Row(13)}));  // heads and one empty row

  // Without tacks only the waits follow the empty first row.
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 7, 100, 0);
  auto t = HandTrack(pos, false);
  Stop(*t, {3, 4});
  const TackList list = BuildTackList(*t);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[1], Row(9));
  EXPECT_EQ(list.rows[2], (Row{"20230315 12:02:00", "12:04:00", "0:02:00", "", "", "", "", "", ""}));
}

TEST(TackList, AveragesNeedMoreThanThreeIntervals) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 3, 100, 100);
  Sail(pos, 4, 100, -100);
  auto t = HandTrack(pos, true);
  Flag(*t, {3, 7}, kTackPoint);
  for (auto& p : t->ProcRecs) std::tie(p.HDG, p.TWS, p.TWD, p.TWA, p.WaterS) = std::tuple(40.0f, 8.0f, 230.0f, -42.0f, 6.5f);
  const TackList list = BuildTackList(*t);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[1], (Row{"20230315 12:00:00", "12:03:00", "00:03:00", ".42", ".42", "N/A", "45", "8.5",
                               "N/A", "N/A", "N/A", "N/A", "-90"}));
  EXPECT_EQ(list.rows[2], (Row{"20230315 12:03:00", "12:07:00", "00:04:00", ".57", ".57", "40", "315", "8.5",
                               "6.5", "8.0", "230", "-42", ""}));
}

TEST(TackList, WaitsSplitLegsAndGiveNoTackAngle) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 4, 100, 100);
  Sail(pos, 3, 0, 0);
  Sail(pos, 4, -100, 100);
  auto t = HandTrack(pos, false);
  Stop(*t, {5, 6, 7});
  Flag(*t, {4, 11}, kTackPoint);
  t->ProcRecs[7].Time += 2.0 / 24;  // the wait lasts 2 h 2 min
  for (int i = 8; i < 12; ++i) t->ProcRecs[static_cast<size_t>(i)].Time += 2.0 / 24;
  const TackList list = BuildTackList(*t);
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(list.rows[1][6] + "|" + list.rows[1][8], "45|");  // followed by a wait: no angle
  EXPECT_EQ(list.rows[2], (Row{"20230315 12:04:00", "14:07:00", "2:03:00", "", "", "", "", "", ""}));
  // The next leg starts at the last point of the wait.
  EXPECT_EQ(list.rows[3][0] + "|" + list.rows[3][6], "20230315 14:07:00|135");
}

TEST(TackList, WaitToTheEndOfTheTrack) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 7, 100, 0);
  auto t = HandTrack(pos, false);
  Stop(*t, {6, 7});
  t->ProcRecs[7].Time += 25.0 / 24;
  const TackList list = BuildTackList(*t);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[2], (Row{"20230315 12:05:00", "13:07:00", "25:02:00", "", "", "", "", "", ""}));
}

TEST(TackList, CourseRoundingToZeroShowsEmptyAndGivesNoAngle) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 10, 100, 0);
  pos.back().Lon = 7;  // 0.4 degrees over ten legs
  Sail(pos, 3, 0, 100);
  auto t = HandTrack(pos, false);
  Flag(*t, {10, 13}, kTackPoint);
  const TackList list = BuildTackList(*t);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[1][6] + "|" + list.rows[1][8] + "|" + list.rows[2][6], "||90");
}

// Also the worked example of one tack in the middle: 45 then 135 degrees, a 90 degree turn.
TEST(TackList, CopyAndSelectAll) {
  std::vector<PosRec> pos{{0, 0}};
  Sail(pos, 4, 100, 100);
  auto one = HandTrack(pos, false);
  Flag(*one, {4}, kTackPoint);
  TackList single = BuildTackList(*one);
  ASSERT_EQ(single.rows.size(), 2u);
  const std::string headLine =
      "Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \ttackSOG: \ttack Angle: ";
  SelectAll(single);  // one data row: nothing happens
  EXPECT_EQ(TackListCopyText(single), headLine + "\r\nDate and Time (UTC)");
  single.selection = {1, 6, 1, 6};
  EXPECT_EQ(TackListCopyText(single), headLine + "\r\n45");

  Sail(pos, 4, -100, 100);
  auto two = HandTrack(pos, false);
  Flag(*two, {4, 8}, kTackPoint);
  TackList list = BuildTackList(*two);
  SelectAll(list);
  EXPECT_EQ(TackListCopyText(list),
            headLine + "\r\n20230315 12:00:00\t12:04:00\t00:04:00\t.57\t.57\tN/A\t45\t8.5\t90\r\n"
                       "20230315 12:04:00\t12:08:00\t00:04:00\t.57\t.57\tN/A\t135\t8.5\t");
  list.selection = {2, 7, 1, 6};  // either way round
  EXPECT_EQ(TackListCopyText(list), headLine + "\r\n45\t8.5\r\n135\t8.5");
}

}  // namespace
}  // namespace wl
