#include "track/track_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "track_rig.h"

// Insertion at an index and the distance along the track are seen through the readers, the
// commands and the folder listing.
namespace wl {
namespace {

// A store opened with `count` points tagged from 0, and a block to insert more from.
struct Opened {
  explicit Opened(int32_t count) {
    test::TagPoints(block, count);
    EXPECT_TRUE(store.InsertTrackRecs(block, count, 0, "a.trt", prompts));
  }
  std::string Tags() const {
    std::string tags;
    for (int32_t i = 0; i < store.TrackCount; ++i)
      tags += std::to_string(store.TrackRecs[static_cast<size_t>(i)].Pos.Lat) + ":" + std::string(store.Line(i)) + " ";
    return tags;
  }
  TrackStore store;
  TrackBlock block;
  test::ScriptedPrompts prompts;
};

TEST(TrackStore, CapacityBoundary) {
  Opened o(20000);
  test::TagPoints(o.block, 2, 90000);
  EXPECT_FALSE(o.store.InsertTrackRecs(o.block, 2, 5, "big.trt", o.prompts));
  EXPECT_EQ(o.store.TrackCount, 20000);
  EXPECT_EQ(o.store.TrackRecs[5].Pos.Lat, 5);
  EXPECT_EQ(o.prompts.Texts(),
            std::vector<std::string>{"inserting: big.trt\r\nCombined files too long, will not process "});
  EXPECT_EQ(o.prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_TRUE(o.store.InsertTrackRecs(o.block, 1, 20000, "one.trt", o.prompts));
  EXPECT_EQ(o.store.TrackCount, 20001);
  EXPECT_EQ(o.store.Line(20000), "L90000");
}

TEST(TrackStore, DeleteRangesAndEdgeCases) {
  Opened o(6);
  for (auto [row, count] : {std::pair{2, 0}, {2, -3}, {0, 1}, {6, 2}, {1, 2147483647}})
    o.store.DeleteTrackRecs(row, count);  // nothing to delete, or beyond the points
  EXPECT_EQ(o.Tags(), "0:L0 1:L1 2:L2 3:L3 4:L4 5:L5 ");
  o.store.DeleteTrackRecs(2, 2);  // rows 2 and 3: indices 1 and 2
  EXPECT_EQ(o.Tags(), "0:L0 3:L3 4:L4 5:L5 ");
  o.store.DeleteTrackRecs(3, 2);  // the last two
  EXPECT_EQ(o.Tags(), "0:L0 3:L3 ");
}

}  // namespace
}  // namespace wl
