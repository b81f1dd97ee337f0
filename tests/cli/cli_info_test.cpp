// wakeline-cli info on the bundled samples. Regenerate goldens after a deliberate change, from the
// source folder:
//   for f in zigzag.trt zigzag.trc anchor_wait.trt empty.trc; do
//     build/wakeline-cli info data/samples/$f > tests/golden/info_$f.txt; done
#include "cli_util.h"

namespace wl {
namespace {

using test::Field;
using test::RunCli;
using test::Sample;

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
  EXPECT_EQ(Field(run.out, "first"), "20190720 09:15:00 UTC");
  EXPECT_EQ(run.err, "wakeline: date is during summertime, check time difference 01:00:00\n");
  run = RunCli({"info", "--time-offset-minus", ct});
  EXPECT_EQ(Field(run.out, "first"), "20190720 12:15:00 UTC");
}

TEST(CliInfo, EditsApplyInTheOrderGivenWithoutQuestions) {
  const std::string zigzag = Sample("zigzag.trt"), one = Sample("one_point.trt");
  // one_point.trt holds zigzag's first point: inserting it after the last closes the loop.
  auto run = RunCli({"info", zigzag, "--delete", "0-9", "--insert", "289:" + one, "--delete", "0"});
  EXPECT_EQ(Field(run.out, "points"), "290");
  EXPECT_EQ(Field(run.out, "last"), "20210612 09:30:00 UTC");
  EXPECT_EQ(run.err, "");  // the flags answer the questions
  run = RunCli({"info", zigzag, "--delete", "0-299", "--insert", "0:" + one});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "wakeline: --insert after Trpt# 0: the track has no points\n");
}

}  // namespace
}  // namespace wl
