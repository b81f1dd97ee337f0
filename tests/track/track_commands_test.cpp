#include "track/track_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "track_rig.h"

namespace wl {
namespace {

using test::ReadFile;
using Texts = std::vector<std::string>;

// zigzag.trt: 300 points after five comment lines; one_point.trt holds its first point.
class TrackCommandsTest : public ::testing::Test, public test::TrackRig {
 protected:
  void SetUp() override { ASSERT_EQ(OpenTrackFile(store, scratch, zigzag, settings, prompts), LoadOutcome::Inserted); }
  const std::string zigzag = test::SourcePath("data/samples/zigzag.trt");
  const std::string onePoint = test::SourcePath("data/samples/one_point.trt");
};

TEST_F(TrackCommandsTest, OpenRefusalsKeepTheTrackAndASuccessReplacesIt) {
  store.DataChanged = true;
  EXPECT_EQ(OpenTrackFile(store, scratch, "/tmp/notes.txt", settings, prompts), LoadOutcome::Untouched);
  EXPECT_EQ(OpenTrackFile(store, scratch, dir.File("gone.trc"), settings, prompts), LoadOutcome::Untouched);
  EXPECT_EQ(prompts.Texts(), (Texts{"/tmp/notes.txt is not a .trc or .trt track file",
                                    dir.File("gone.trc") + "\r\ncould not be opened: No such file or directory"}));
  EXPECT_TRUE(store.TrackCount == 300 && store.IsTRT && store.DataChanged);
  EXPECT_EQ(OpenTrackFile(store, scratch, onePoint, settings, prompts), LoadOutcome::Inserted);
  EXPECT_TRUE(store.TrackCount == 1 && !store.DataChanged);
}

TEST_F(TrackCommandsTest, InsertChecksKindThenNameThenAsksAndGoesAfterThePoint) {
  const std::string sixth(store.Line(6));
  EXPECT_EQ(InsertTrackFile(store, scratch, test::SourcePath("data/samples/zigzag.trc"), 5, settings, prompts),
            LoadOutcome::Untouched);
  // "ttrt" passes the three-character kind test but is no track file name.
  EXPECT_EQ(InsertTrackFile(store, scratch, "/tmp/x.ttrt", 5, settings, prompts), LoadOutcome::Untouched);
  prompts.answers = {false, true};
  EXPECT_EQ(InsertTrackFile(store, scratch, onePoint, 5, settings, prompts), LoadOutcome::Untouched);
  EXPECT_TRUE(store.TrackCount == 300 && !store.DataChanged);
  EXPECT_EQ(InsertTrackFile(store, scratch, onePoint, 5, settings, prompts), LoadOutcome::Inserted);
  EXPECT_EQ(prompts.Texts(), (Texts{"can only insert file of same type (.trc resp .trt)!",
                                    "/tmp/x.ttrt is not a .trc or .trt track file", "INSERT FILE AFTER 5",
                                    "INSERT FILE AFTER 5"}));
  EXPECT_TRUE(store.TrackCount == 301 && store.DataChanged);
  EXPECT_EQ(std::string(store.Line(6)) + "\r\n", ReadFile(onePoint));
  EXPECT_EQ(store.Line(7), sixth);
}

TEST_F(TrackCommandsTest, DeleteAsksWithTheTrptNumbersAndRemovesTheRange) {
  EXPECT_FALSE(DeleteTrackPoints(store, 299, 2, prompts));  // outside the points: no question
  EXPECT_FALSE(DeleteTrackPoints(store, -1, 1, prompts));
  const std::string fifth(store.Line(5));
  prompts.answers = {false, true, true};
  EXPECT_FALSE(DeleteTrackPoints(store, 2, 3, prompts));
  EXPECT_FALSE(store.DataChanged);
  EXPECT_TRUE(DeleteTrackPoints(store, 2, 3, prompts));
  EXPECT_EQ(store.Line(2), fifth);
  EXPECT_TRUE(DeleteTrackPoints(store, 296, 1, prompts));
  EXPECT_EQ(prompts.Texts(), (Texts{"Delete 3 Track Points, starting at 2", "Delete 3 Track Points, starting at 2",
                                    "Delete Track Point 296"}));
  EXPECT_TRUE(store.TrackCount == 296 && store.DataChanged);
}

TEST_F(TrackCommandsTest, SaveOverAnExistingFileNeedsYesAndAFailedSaveKeepsTheState) {
  const std::string out = dir.File("out.trt");
  test::WriteFile(out, "keep me");
  store.DataChanged = true;
  prompts.answers = {false};
  EXPECT_FALSE(SaveTrackFile(store, out, {}, prompts));
  EXPECT_EQ(prompts.Texts(), (Texts{out + " exists, do you want to overwite ?", "file not saved"}));
  EXPECT_EQ(prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_FALSE(SaveTrackFile(store, dir.File("no/such/folder/out.trt"), {}, prompts));
  EXPECT_EQ(ReadFile(out), "keep me");
  EXPECT_TRUE(store.DataChanged && store.InputFileName == zigzag);

  // Yes: the kept points' lines as the file holds them, without its comments.
  EXPECT_TRUE(SaveTrackFile(store, out, [](int32_t i) { return i < 2; }, prompts));
  const std::string source = ReadFile(zigzag);
  const size_t first = source.find("\n20210612 09:30:00") + 1, third = source.find("\n20210612 09:30:20") + 1;
  EXPECT_EQ(ReadFile(out), source.substr(first, third - first));
  EXPECT_TRUE(!store.DataChanged && store.InputFileName == out);
}

}  // namespace
}  // namespace wl
