// wakeline-cli info on the bundled samples and the shared recordings. Regenerate goldens after a
// deliberate change, from the source folder:
//   for f in zigzag.trt zigzag.trc anchor_wait.trt empty.trc; do
//     build/wakeline-cli info data/samples/$f > tests/golden/info_$f.txt; done
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;
using test::Sample;

std::string Field(const test::CliRun& run, const std::string& key) {
  size_t at = run.out.find("\n" + key + ": ");
  if (at == std::string::npos) return "<no " + key + "> " + run.err;
  at += key.size() + 3;
  return run.out.substr(at, run.out.find('\n', at) - at);
}

// TRT and TRC, waits, and a track without points (no first and last time).
TEST(CliInfo, MatchesGoldenOutput) {
  for (const char* s : {"zigzag.trt", "zigzag.trc", "anchor_wait.trt", "empty.trc"}) {
    SCOPED_TRACE(s);
    test::ExpectGolden("info", s);
  }
}

TEST(CliInfo, TimeOffsetOptionsReachTheReader) {
  const std::string ct = Sample("ct_times.trt");
  auto run = RunCli({"info", ct, "--time-offset", "1:00:00"});
  EXPECT_EQ(Field(run, "first"), "20190720 09:15:00 UTC");
  EXPECT_EQ(run.err, "wakeline: date is during summertime, check time difference 01:00:00\n");
  run = RunCli({"info", "--time-offset-minus", ct});
  EXPECT_EQ(Field(run, "first"), "20190720 12:15:00 UTC");
}

TEST(CliInfo, EditsApplyInTheOrderGivenWithoutQuestions) {
  const std::string zigzag = Sample("zigzag.trt"), one = Sample("one_point.trt");
  // one_point.trt holds zigzag's first point: inserting it after the last closes the loop.
  auto run = RunCli({"info", zigzag, "--delete", "0-9", "--insert", "289:" + one, "--delete", "0"});
  EXPECT_EQ(Field(run, "points"), "290");
  EXPECT_EQ(Field(run, "last"), "20210612 09:30:00 UTC");
  EXPECT_EQ(run.err, "");  // the flags answer the questions
  run = RunCli({"info", zigzag, "--delete", "0-299", "--insert", "0:" + one});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "wakeline: --insert after Trpt# 0: the track has no points\n");
}

// The other formats of the same race are compared cell by cell in the table test.
TEST(CliInfo, RealRecordingSummary) {
  WL_REQUIRE_REALDATA(dir);
  const auto trt = RunCli({"info", dir + "/irene_2008-07-11.trt"});
  EXPECT_EQ(trt.err, "");
  EXPECT_EQ(Field(trt, "points"), "6393");
  EXPECT_EQ(Field(trt, "first") + " " + Field(trt, "last"), "20080711 10:31:44 UTC 20080711 14:47:52 UTC");
  EXPECT_EQ(Field(trt, "comments"), "7");  // four at the top, two gaps, one after the last point
  EXPECT_EQ(Field(trt, "distance").substr(0, 3), "23.");
}

}  // namespace
}  // namespace wl
