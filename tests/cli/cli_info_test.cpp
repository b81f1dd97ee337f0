// wakeline-cli info on the bundled samples and the shared recordings. Regenerate goldens after a
// deliberate change, from the source folder:
//   for f in data/samples/*.tr?; do build/wakeline-cli info "$f" > "tests/golden/info_$(basename "$f").txt"; done
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;
using test::Sample;

std::string Info(std::vector<std::string> args, std::string* err = nullptr) {
  args.insert(args.begin(), "info");
  const auto run = RunCli(args);
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

void ExpectSameSummary(const std::string& a, const std::string& b) {
  for (const char* key : {"points", "distance", "first", "last"}) EXPECT_EQ(Field(a, key), Field(b, key)) << key;
}

TEST(CliInfo, MatchesGoldenOutput) {
  for (const char* s : {"zigzag.trt", "zigzag.trc", "anchor_wait.trt", "spike.trc", "backwards.trt", "daygap.trc",
                        "ct_times.trt", "one_point.trt", "empty.trc"}) {
    SCOPED_TRACE(s);
    test::ExpectGolden("info", s);
  }
}

TEST(CliInfo, ClockTimesFollowTheTimeOffsetOptions) {
  const std::string ct = Sample("ct_times.trt");
  std::string err;
  EXPECT_EQ(Field(Info({ct}, &err), "first"), "20190720 08:15:00 UTC");
  EXPECT_EQ(err, "");  // July lies in summer time: the default 2 hours fit
  EXPECT_EQ(Field(Info({ct, "--time-offset", "1:00:00"}, &err), "first"), "20190720 09:15:00 UTC");
  EXPECT_EQ(err, "wakeline: date is during summertime, check time difference 01:00:00\n");
  EXPECT_EQ(Field(Info({"--time-offset-minus", ct}, &err), "first"), "20190720 12:15:00 UTC");
  EXPECT_EQ(err, "wakeline: date is during summertime, check time difference 02:00:00\n");
}

TEST(CliInfo, EditsApplyInTheOrderGiven) {
  const std::string zigzag = Sample("zigzag.trt"), one = Sample("one_point.trt");
  std::string err;
  EXPECT_EQ(Field(Info({zigzag, "--delete", "0-9"}, &err), "points"), "290");
  EXPECT_EQ(err, "");  // the flags answer the questions
  EXPECT_EQ(Field(Info({zigzag, "--delete", "299"}, &err), "points"), "299");
  EXPECT_EQ(err, "");
  // one_point.trt holds zigzag's first point: inserting it after the last closes the loop
  const std::string closed = Info({zigzag, "--insert", "299:" + one, "--insert", "0:" + one}, &err);
  EXPECT_EQ(Field(closed, "points"), "302");
  EXPECT_EQ(Field(closed, "last"), "20210612 09:30:00 UTC");
  EXPECT_EQ(err, "");
  EXPECT_EQ(Field(Info({zigzag, "--insert", "5:" + Sample("anchor_wait.trt")}), "comments"), "6");

  auto run = RunCli({"info", zigzag, "--delete", "0-299", "--insert", "0:" + one});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "wakeline: --insert after Trpt# 0: the track has no points\n");
  for (const char* range : {"300", "5-3", "290-300"}) {
    run = RunCli({"info", zigzag, "--delete", range});
    EXPECT_EQ(run.exitCode, 2) << range;
    EXPECT_EQ(run.err, std::string("wakeline: --delete ") + range + ": the track's points are Trpt# 0 to 299\n");
  }
  EXPECT_EQ(RunCli({"info", zigzag, "--insert", "300:" + zigzag}).exitCode, 2);
  run = RunCli({"info", zigzag, "--insert", "3:" + Sample("zigzag.trc")});
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
  ExpectSameSummary(Info({dir + "/irene_2008-07-11_ct.trt"}), out);
  ExpectSameSummary(Info({dir + "/irene_2008-07-11.trc"}), out);
}

}  // namespace
}  // namespace wl
