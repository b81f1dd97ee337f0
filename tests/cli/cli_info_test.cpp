// wakeline-cli info on the bundled samples and the shared recordings.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;

// Golden outputs live in tests/golden/info_<sample>.txt. After a deliberate change, regenerate
// them from the source folder (so that the "file:" line holds the relative name):
//   for f in data/samples/*.tr?; do build/wakeline-cli info "$f" > "tests/golden/info_$(basename "$f").txt"; done
// and review the difference before committing.
class CliInfoGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(CliInfoGolden, MatchesGoldenOutput) {
  const std::string relative = std::string("data/samples/") + GetParam();
  const auto run = RunCli({"info", SourcePath(relative)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string out = run.out;
  const std::string absolute = SourcePath(relative);
  ASSERT_EQ(out.rfind("file: " + absolute + "\n", 0), 0u) << out;
  out.replace(6, absolute.size(), relative);
  const std::string golden = test::ReadFile(SourcePath(std::string("tests/golden/info_") + GetParam() + ".txt"));
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(out, golden);
}

INSTANTIATE_TEST_SUITE_P(Samples, CliInfoGolden,
                         ::testing::Values("zigzag.trt", "zigzag.trc", "anchor_wait.trt", "spike.trc", "backwards.trt",
                                           "daygap.trc", "ct_times.trt", "one_point.trt", "empty.trc"));

std::string Info(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::vector<std::string> all = {"info"};
  all.insert(all.end(), args.begin(), args.end());
  const auto run = RunCli(all);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  if (err) *err = run.err;
  return run.out;
}

std::string Field(const std::string& out, const std::string& key) {
  size_t at = out.find("\n" + key + ": ");
  if (at == std::string::npos) return "<no " + key + ">";
  at += key.size() + 3;
  return out.substr(at, out.find('\n', at) - at);
}

TEST(CliInfo, BothFormatsOfOneTrackAgree) {
  const std::string trt = Info({SourcePath("data/samples/zigzag.trt")});
  const std::string trc = Info({SourcePath("data/samples/zigzag.trc")});
  for (const char* key : {"points", "distance", "first", "last"}) EXPECT_EQ(Field(trt, key), Field(trc, key)) << key;
  EXPECT_EQ(Field(trt, "points"), "300");
  EXPECT_EQ(Field(trt, "comments"), "5");
  EXPECT_EQ(Field(trc, "comments"), "0");
}

TEST(CliInfo, ClockTimesFollowTheTimeOffsetOptions) {
  const std::string ct = SourcePath("data/samples/ct_times.trt");
  std::string err;
  EXPECT_EQ(Field(Info({ct}, &err), "first"), "20190720 08:15:00 UTC");
  EXPECT_EQ(err, "");  // July lies in summer time: the default 2 hours fit

  EXPECT_EQ(Field(Info({ct, "--time-offset", "1:00:00"}, &err), "first"), "20190720 09:15:00 UTC");
  EXPECT_EQ(err, "wakeline: date is during summertime, check time difference 01:00:00\n");

  EXPECT_EQ(Field(Info({"--time-offset-minus", ct}, &err), "first"), "20190720 12:15:00 UTC");
  EXPECT_EQ(err, "wakeline: date is during summertime, check time difference 02:00:00\n");
}

TEST(CliInfo, EditsApplyInTheOrderGiven) {
  const std::string zigzag = SourcePath("data/samples/zigzag.trt");
  const std::string one = SourcePath("data/samples/one_point.trt");
  std::string err;
  EXPECT_EQ(Field(Info({zigzag, "--delete", "0-9"}, &err), "points"), "290");
  EXPECT_EQ(err, "wakeline: Delete 10 Track Points, starting at 0\n");
  EXPECT_EQ(Field(Info({zigzag, "--delete", "299"}, &err), "points"), "299");
  EXPECT_EQ(err, "wakeline: Delete Track Point 299\n");
  // the first point of one_point.trt is the first point of zigzag: inserting it after the
  // last point closes the loop
  const std::string closed = Info({zigzag, "--insert", "299:" + one, "--insert", "0:" + one}, &err);
  EXPECT_EQ(Field(closed, "points"), "302");
  EXPECT_EQ(Field(closed, "last"), "20210612 09:30:00 UTC");
  EXPECT_EQ(err, "wakeline: INSERT FILE AFTER 299\nwakeline: INSERT FILE AFTER 0\n");
  // an inserted file adds its comment lines
  EXPECT_EQ(Field(Info({zigzag, "--insert", "5:" + SourcePath("data/samples/anchor_wait.trt")}), "comments"), "6");

  // deleting everything first leaves nothing to insert after
  const auto run = RunCli({"info", zigzag, "--delete", "0-299", "--insert", "0:" + one});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "wakeline: Delete 300 Track Points, starting at 0\n"
                     "wakeline: --insert after Trpt# 0: the track has no points\n");
}

TEST(CliInfo, EditsOutsideTheTrackOrOfTheOtherKindAreRefused) {
  const std::string zigzag = SourcePath("data/samples/zigzag.trt");
  const std::pair<const char*, const char*> ranges[] = {{"300", "300"}, {"5-3", "5-3"}, {"290-300", "290-300"}};
  for (const auto& [range, shown] : ranges) {
    const auto run = RunCli({"info", zigzag, "--delete", range});
    EXPECT_EQ(run.exitCode, 2) << range;
    EXPECT_EQ(run.err, std::string("wakeline: --delete ") + shown + ": the track's points are Trpt# 0 to 299\n");
  }
  auto run = RunCli({"info", zigzag, "--insert", "300:" + zigzag});
  EXPECT_EQ(run.exitCode, 2);
  run = RunCli({"info", zigzag, "--insert", "3:" + SourcePath("data/samples/zigzag.trc")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: can only insert file of same type (.trc resp .trt)!\n");
}

TEST(CliInfo, RealRecordingSummary) {
  WL_REQUIRE_REALDATA(dir);
  const std::string out = Info({dir + "/irene_2008-07-11.trt"});
  EXPECT_EQ(Field(out, "points"), "6393");
  EXPECT_EQ(Field(out, "first"), "20080711 10:31:44 UTC");
  EXPECT_EQ(Field(out, "last"), "20080711 14:47:52 UTC");
  EXPECT_EQ(Field(out, "comments"), "7");  // four at the top, two gaps, one after the last point
  const std::string ct = Info({dir + "/irene_2008-07-11_ct.trt"});
  for (const char* key : {"points", "distance", "first", "last"}) EXPECT_EQ(Field(ct, key), Field(out, key)) << key;
  const std::string trc = Info({dir + "/irene_2008-07-11.trc"});
  for (const char* key : {"points", "distance", "first", "last"}) EXPECT_EQ(Field(trc, key), Field(out, key)) << key;
}

}  // namespace
}  // namespace wl
