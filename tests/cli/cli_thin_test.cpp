// wakeline-cli --thin: the value it takes, its place among the edits, and what it does to the tack
// points of the real 1-2 s logs. Which points a thinning keeps is the thinning's core test.
#include "cli_util.h"

namespace wl {
namespace {

using test::Field;
using test::RunCli;

TEST(CliThin, WholeSecondsOneToAnHourElseUsageError) {
  const std::string sample = test::Sample("zigzag.trt");
  for (const char* bad : {"0", "3601", "-5", "10.5", "10s"}) {
    const auto run = RunCli({"info", sample, "--thin", bad});
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_EQ(run.err, std::string("wakeline: --thin needs whole seconds 1 to 3600, not \"") + bad + "\"\n");
  }
  for (const char* good : {"1", "3600"}) EXPECT_EQ(RunCli({"info", sample, "--thin", good}).exitCode, 0) << good;
}

// Seven points at 12:00:00, :04, :08, :12, :16, :20 and :21; a thinning to 10 s keeps :00, :12, :21.
TEST(CliThin, AppliesInCommandLineOrderWithTheOtherEdits) {
  test::TempDir dir;
  std::string text;
  for (int s : {0, 4, 8, 12, 16, 20, 21})
    text += "20080503 12:00:" + std::string(s < 10 ? "0" : "") + std::to_string(s) + ",52.5,4.1,6.5,1.5,0,0,12.3,1,2,3,4,5,0,0.5,5.25\r\n";
  const std::string seven = dir.File("seven.trt");
  test::WriteFile(seven, text);
  const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
      {{"--thin", "10"}, "3", "20080503 12:00:00 UTC"},
      {{"--delete", "0", "--thin", "10"}, "3", "20080503 12:00:04 UTC"},
      {{"--thin", "10", "--delete", "0"}, "2", "20080503 12:00:12 UTC"}};
  for (const auto& [edits, points, first] : cases) {
    std::vector<std::string> args{"info", seven};
    args.insert(args.end(), edits.begin(), edits.end());
    const auto run = RunCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Field(run.out, "points") + " " + Field(run.out, "first"), std::string(points) + " " + first);
  }
  // A delete after the thinning sees only the points that are left.
  EXPECT_EQ(RunCli({"info", seven, "--thin", "10", "--delete", "3"}).err,
            "wakeline: --delete 3: the track's points are Trpt# 0 to 2\n");
}

// The tack points counted when the thinning was designed (tack angle 30).
TEST(CliThin, RealLogsShowTheirManoeuvres) {
  WL_REQUIRE_REALDATA(real);
  const std::tuple<const char*, const char*, const char*> cases[] = {{"irene_2013-08-02_flensburg.trc", "1322", "66"},
                                                                     {"irene_2008-07-11.trt", "117", "69"},
                                                                     {"irene_2008-06-04.trc", "240", "43"},
                                                                     {"psaros33_2014-06-24.trt", "648", "33"}};
  for (const auto& [log, unthinned, thinned] : cases) {
    const std::string file = real + "/" + log;
    EXPECT_EQ(Field(RunCli({"info", file}).out, "tack points"), unthinned) << log;
    EXPECT_EQ(Field(RunCli({"info", file, "--thin", "10"}).out, "tack points"), thinned) << log;
  }
}

}  // namespace
}  // namespace wl
