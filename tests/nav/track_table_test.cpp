#include "nav/track_table.h"

#include <gtest/gtest.h>

#include "nav/outlier_runs.h"
#include "track_builder.h"

// Row texts of the sample tracks are pinned by the golden outputs of `wakeline-cli table`; damaged
// values by the track pass fuzz target; the copied block with its heads by the table view's test.
namespace wl::test {
namespace {

TEST(TrackTable, HoursOfLegsAndTimeUnderWay) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(27, 90, 6000, 3600).Legs(1, 90, 517, 310);
  const Processed p = Process(b.store(), "0");
  const TrackTable table(*p.track);
  EXPECT_EQ(table.Cell(1, 8) + " " + table.Cell(27, 11), "1:00:00 27:00:00");
  EXPECT_EQ(table.Cell(28, 8) + " " + table.Cell(28, 11), ":05:10 27:05:10");
}

TEST(TrackTable, OutlierCellsAreRedAndTackCellsYellow) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(9, 90, kStep).Legs(5, 0, kStep).Legs(1, 0, kStep, 0).Legs(1, 0, kStep);
  const Processed p = Process(b.store());
  const TrackTable table(*p.track);
  for (int32_t row = 0; row < table.RowCount(); ++row) {
    for (int col = 0; col < table.ColumnCount(); ++col) {
      CellMark expected = CellMark::None;
      if (row == 15 && (col == 1 || col == 8)) expected = CellMark::Red;
      if (row == 10 && col == 4) expected = CellMark::Yellow;  // the row after the tack point
      EXPECT_EQ(table.Mark(row, col), expected) << row << "," << col;
    }
  }
  p.track->ProcRecs[3].TackFlag = kTackPoint;  // toggled by hand in the plot
  EXPECT_EQ(table.Mark(4, 4), CellMark::Yellow);
}

TEST(OutlierRuns, CountsRunsOfConsecutiveOutliers) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(4, 90, kStep).Legs(3, 90, 0).Legs(4, 90, kStep).Legs(1, 90, kStep, 0).Legs(3, 90, kStep);
  b.Legs(2, 90, kStep, 0).Legs(1, 90, kStep);
  EXPECT_EQ(CountOutlierRuns(*Process(b.store()).track), 3);
  b.Legs(1, 90, kStep, 0);  // a wait at the very end: the last point's tack flag replaces its mark
  EXPECT_EQ(CountOutlierRuns(*Process(b.store()).track), 3);
  EXPECT_EQ(CountOutlierRuns(*Process(b.store(), "0").track), 3);
}

}  // namespace
}  // namespace wl::test
