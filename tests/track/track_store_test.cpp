#include "track/track_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

class TrackStoreTest : public ::testing::Test {
 protected:
  // Points tagged by their latitude, each with a text line "L<tag>" unless withLines is false.
  void Fill(int32_t count, int32_t firstTag, bool withLines = true) {
    block.text.clear();
    for (int32_t i = 0; i < count; ++i) {
      TrackRec& r = block.recs[static_cast<size_t>(i)];
      r = TrackRec{};
      r.Pos = PosRec{firstTag + i, 0};
      if (!withLines) continue;
      const std::string line = "L" + std::to_string(firstTag + i);
      r.Line = LineRef{static_cast<uint32_t>(block.text.size()), static_cast<uint32_t>(line.size())};
      block.text += line;
    }
  }
  void Open(int32_t count) {
    store.TrackCount = 0;
    Fill(count, 0);
    ASSERT_TRUE(store.InsertTrackRecs(block, count, 0, "a.trt", prompts));
  }
  void ExpectTags(const std::vector<int32_t>& tags) {
    ASSERT_EQ(store.TrackCount, static_cast<int32_t>(tags.size()));
    for (size_t i = 0; i < tags.size(); ++i) {
      EXPECT_EQ(store.TrackRecs[i].Pos.Lat, tags[i]) << "index " << i;
      EXPECT_EQ(store.Line(static_cast<int32_t>(i)), "L" + std::to_string(tags[i])) << "index " << i;
    }
  }
  TrackStore store;
  TrackBlock block;
  test::ScriptedPrompts prompts;
};

TEST_F(TrackStoreTest, InsertKeepsOrderAndLines) {
  Open(3);
  Open(5);  // a reopen forgets the earlier points and lines
  Fill(3, 100);
  ASSERT_TRUE(store.InsertTrackRecs(block, 2, 3, "b.trt", prompts));  // only the first two are taken
  ExpectTags({0, 1, 2, 100, 101, 3, 4});
  Fill(1, 50, false);  // TRC points have no line
  ASSERT_TRUE(store.InsertTrackRecs(block, 1, 1, "c.trc", prompts));
  EXPECT_EQ(store.Line(1), "");
  EXPECT_EQ(store.Line(2), "L1");
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TrackStoreTest, CapacityBoundary) {
  Open(20000);
  Fill(2, 90000);
  EXPECT_FALSE(store.InsertTrackRecs(block, 2, 5, "big.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20000);
  EXPECT_EQ(store.TrackRecs[5].Pos.Lat, 5);
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"inserting: big.trt\r\nCombined files too long, will not process "});
  EXPECT_EQ(prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_TRUE(store.InsertTrackRecs(block, 1, 20000, "one.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20001);
  EXPECT_EQ(store.Line(20000), "L90000");
}

TEST_F(TrackStoreTest, DeleteRangesAndEdgeCases) {
  Open(6);
  for (auto [row, count] : {std::pair{2, 0}, {2, -3}, {0, 1}, {6, 2}, {1, 2147483647}}) store.DeleteTrackRecs(row, count);
  ExpectTags({0, 1, 2, 3, 4, 5});
  store.DeleteTrackRecs(2, 2);  // rows 2 and 3: indices 1 and 2
  ExpectTags({0, 3, 4, 5});
  store.DeleteTrackRecs(3, 2);  // the last two only lower the count
  ExpectTags({0, 3});
}

TEST_F(TrackStoreTest, CumDistAlongTheTrack) {
  EXPECT_EQ(store.GetCumDist(), 0);
  // Three meridian minutes and a leg of no length: a minute is 1852.085 m on the program's sphere.
  for (int32_t i = 0; i < 5; ++i) block.recs[static_cast<size_t>(i)].Pos = PosRec{1000 * std::min(i, 3), 0};
  ASSERT_TRUE(store.InsertTrackRecs(block, 5, 0, "d.trc", prompts));
  EXPECT_NEAR(store.GetCumDist(), 3.000138, 1e-6);
}

}  // namespace
}  // namespace wl
