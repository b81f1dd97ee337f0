#include "track/track_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

// Insertion at an index and the distance along the track are seen through the readers, the
// commands and the folder listing.
namespace wl {
namespace {

// count points tagged by their latitude from firstTag, each with its line "L<tag>".
void Fill(TrackBlock& block, int32_t count, int32_t firstTag) {
  block.text.clear();
  for (int32_t i = 0; i < count; ++i) {
    const std::string line = "L" + std::to_string(firstTag + i);
    TrackRec& r = block.recs[static_cast<size_t>(i)];
    r.Pos = PosRec{firstTag + i, 0};
    r.Line = LineRef{static_cast<uint32_t>(block.text.size()), static_cast<uint32_t>(line.size())};
    block.text += line;
  }
}

std::string Tags(const TrackStore& store) {
  std::string tags;
  for (int32_t i = 0; i < store.TrackCount; ++i)
    tags += std::to_string(store.TrackRecs[static_cast<size_t>(i)].Pos.Lat) + ":" + std::string(store.Line(i)) + " ";
  return tags;
}

TEST(TrackStore, CapacityBoundary) {
  TrackStore store;
  TrackBlock block;
  test::ScriptedPrompts prompts;
  Fill(block, 20000, 0);
  ASSERT_TRUE(store.InsertTrackRecs(block, 20000, 0, "a.trt", prompts));
  Fill(block, 2, 90000);
  EXPECT_FALSE(store.InsertTrackRecs(block, 2, 5, "big.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20000);
  EXPECT_EQ(store.TrackRecs[5].Pos.Lat, 5);
  EXPECT_EQ(prompts.Texts(),
            std::vector<std::string>{"inserting: big.trt\r\nCombined files too long, will not process "});
  EXPECT_EQ(prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_TRUE(store.InsertTrackRecs(block, 1, 20000, "one.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20001);
  EXPECT_EQ(store.Line(20000), "L90000");
}

TEST(TrackStore, DeleteRangesAndEdgeCases) {
  TrackStore store;
  TrackBlock block;
  test::ScriptedPrompts prompts;
  Fill(block, 6, 0);
  ASSERT_TRUE(store.InsertTrackRecs(block, 6, 0, "a.trt", prompts));
  for (auto [row, count] : {std::pair{2, 0}, {2, -3}, {0, 1}, {6, 2}, {1, 2147483647}})
    store.DeleteTrackRecs(row, count);  // nothing to delete, or beyond the points
  EXPECT_EQ(Tags(store), "0:L0 1:L1 2:L2 3:L3 4:L4 5:L5 ");
  store.DeleteTrackRecs(2, 2);  // rows 2 and 3: indices 1 and 2
  EXPECT_EQ(Tags(store), "0:L0 3:L3 4:L4 5:L5 ");
  store.DeleteTrackRecs(3, 2);  // the last two
  EXPECT_EQ(Tags(store), "0:L0 3:L3 ");
}

}  // namespace
}  // namespace wl
