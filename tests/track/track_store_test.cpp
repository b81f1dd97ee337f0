#include "track/track_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nav/geodesy.h"
#include "support/test_support.h"

namespace wl {
namespace {

// Points tagged by their latitude, each with a text line "L<tag>" unless withLines is false.
void Fill(TrackBlock& block, int32_t count, int32_t firstTag, bool withLines = true) {
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

class TrackStoreTest : public ::testing::Test {
 protected:
  void Open(int32_t count) {
    store.TrackCount = 0;
    Fill(block, count, 0);
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

TEST_F(TrackStoreTest, InsertKeepsOrderAndLinesAndReopenForgetsThem) {
  Open(3);
  Open(20);
  Fill(block, 10, 100);
  ASSERT_TRUE(store.InsertTrackRecs(block, 10, 3, "b.trt", prompts));
  std::vector<int32_t> tags = {0, 1, 2};
  for (int32_t i = 0; i < 10; ++i) tags.push_back(100 + i);
  for (int32_t i = 3; i < 20; ++i) tags.push_back(i);
  ExpectTags(tags);
  EXPECT_TRUE(prompts.shown.empty());
  // Only newCount points are taken; TRC points have no line.
  Open(2);
  Fill(block, 5, 50, false);
  ASSERT_TRUE(store.InsertTrackRecs(block, 3, 2, "c.trc", prompts));
  ASSERT_EQ(store.TrackCount, 5);
  EXPECT_EQ(store.TrackRecs[4].Pos.Lat, 52);
  EXPECT_EQ(store.Line(3), "");
  EXPECT_EQ(store.Line(1), "L1");
}

TEST_F(TrackStoreTest, CapacityBoundary) {
  Open(20000);
  Fill(block, 2, 90000);
  EXPECT_FALSE(store.InsertTrackRecs(block, 2, 5, "big.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20000);
  EXPECT_EQ(store.TrackRecs[5].Pos.Lat, 5);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "inserting: big.trt\r\nCombined files too long, will not process ");
  EXPECT_EQ(prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_TRUE(store.InsertTrackRecs(block, 1, 20000, "one.trt", prompts));
  EXPECT_EQ(store.TrackCount, 20001);
  EXPECT_EQ(store.Line(20000), "L90000");
  EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(TrackStoreTest, DeleteRangesAndEdgeCases) {
  Open(6);
  for (auto [row, count] : {std::pair{2, 0}, {2, -3}, {0, 1}, {6, 2}, {1, 2147483647}}) store.DeleteTrackRecs(row, count);
  ExpectTags({0, 1, 2, 3, 4, 5});
  store.DeleteTrackRecs(2, 2);  // rows 2 and 3: indices 1 and 2
  ExpectTags({0, 3, 4, 5});
  EXPECT_EQ(store.TrackRecs[4].Pos.Lat, 4);  // the vacated entries are not cleared
  store.DeleteTrackRecs(3, 2);               // the last two only lower the count
  ExpectTags({0, 3});
  EXPECT_EQ(store.TrackRecs[2].Pos.Lat, 4);
}

TEST_F(TrackStoreTest, CumDist) {
  EXPECT_EQ(store.GetCumDist(), 0);
  Open(1);
  EXPECT_EQ(store.GetCumDist(), 0);
  const PosRec pts[] = {{3150000, 293123}, {3150420, 293901}, {3149000, 292000}, {3149000, 292000}};
  for (size_t i = 0; i < 4; ++i) block.recs[i].Pos = pts[i];
  store.TrackCount = 0;
  ASSERT_TRUE(store.InsertTrackRecs(block, 4, 0, "d.trc", prompts));
  double metres = 0;
  for (size_t i = 1; i < 4; ++i) metres += GetDist(pts[i - 1], pts[i]);
  EXPECT_EQ(store.GetCumDist(), static_cast<float>(metres / 1852));
  // One minute of latitude is very nearly one nautical mile.
  block.recs[0].Pos = PosRec{0, 0};
  block.recs[1].Pos = PosRec{1000, 0};
  store.TrackCount = 0;
  ASSERT_TRUE(store.InsertTrackRecs(block, 2, 0, "e.trc", prompts));
  EXPECT_NEAR(store.GetCumDist(), 1.0, 1e-4);
}

}  // namespace
}  // namespace wl
