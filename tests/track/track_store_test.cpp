#include "track/track_store.h"

#include <gtest/gtest.h>

#include <string>

#include "track/track_history.h"
#include "track_rig.h"

// Insertion at an index, the capacity and the distance along the track are seen through the
// readers, the commands, wakeline-cli and the folder listing.
namespace wl {
namespace {

// Rows count from 1, as the table shows them; counts beyond the points are cut.
TEST(TrackStore, DeleteRangesAndEdgeCases) {
  TrackStore store;
  TrackBlock block;
  test::ScriptedPrompts prompts;
  test::TagPoints(block, 6);
  ASSERT_TRUE(store.InsertTrackRecs(block, 6, 0, "a.trt", prompts));
  const auto tags = [&] {
    std::string tags;
    for (int32_t i = 0; i < store.TrackCount; ++i)
      tags += std::to_string(store.TrackRecs[static_cast<size_t>(i)].Pos.Lat) + ":" + std::string(store.Line(i)) + " ";
    return tags;
  };
  for (auto [row, count] : {std::pair{2, 0}, {2, -3}, {0, 1}, {6, 2}, {1, 2147483647}})
    store.DeleteTrackRecs(row, count);  // nothing to delete, or beyond the points
  EXPECT_EQ(tags(), "0:L0 1:L1 2:L2 3:L3 4:L4 5:L5 ");
  store.DeleteTrackRecs(2, 2);  // rows 2 and 3: indices 1 and 2
  EXPECT_EQ(tags(), "0:L0 3:L3 4:L4 5:L5 ");
  store.DeleteTrackRecs(3, 2);  // the last two
  EXPECT_EQ(tags(), "0:L0 3:L3 ");
}

TEST(TrackHistory, KeepsTheNewestSnapshots) {
  TrackHistory history(2);
  TrackStore store;
  history.Reset();
  for (int32_t n = 1; n <= 3; ++n) {
    history.Push(std::make_unique<TrackStore>(store));
    store.TrackCount = n;
  }
  history.Undo(store);
  history.Undo(store);
  EXPECT_EQ(store.TrackCount, 1);
  EXPECT_FALSE(history.CanUndo());  // the oldest snapshot went
}

}  // namespace
}  // namespace wl
