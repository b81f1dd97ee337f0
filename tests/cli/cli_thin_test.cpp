// wakeline-cli --thin: the value it takes, its place among the edits, and what it does to the tack
// points of the real 1-2 s logs.
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

std::string Field(const std::string& out, const std::string& key) {
  const size_t at = out.find("\n" + key + ": ");
  if (at == std::string::npos) return "<no " + key + ">";
  const size_t from = at + key.size() + 3;
  return out.substr(from, out.find('\n', from) - from);
}

// Seven points at 12:00:00, :04, :08, :12, :16, :20 and :21.
std::string SevenPoints(const test::TempDir& dir) {
  std::string text;
  for (int s : {0, 4, 8, 12, 16, 20, 21})
    text += "20080503 12:00:" + std::string(s < 10 ? "0" : "") + std::to_string(s) +
            ",52.5," + std::to_string(4.1 + s * 0.0001) + ",6.5,1.5,0,0,12.3,1,2,3,4,5,0,0.5,5.25\r\n";
  const std::string path = dir.File("seven.trt");
  test::WriteFile(path, text);
  return path;
}

TEST(CliThin, WholeSecondsOneToAnHourElseUsageError) {
  const std::string sample = test::Sample("zigzag.trt");
  for (const char* bad : {"0", "3601", "-5", "+5", "10.5", "10s", "", "99999999999"}) {
    const auto run = RunCli({"info", sample, "--thin", bad});
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("wakeline: --thin needs whole seconds 1 to 3600, not \"") + bad + "\"\n");
  }
  EXPECT_EQ(RunCli({"info", sample, "--thin"}).err, "wakeline: --thin needs a value\n");
  for (const char* good : {"1", "3600"}) EXPECT_EQ(RunCli({"info", sample, "--thin", good}).exitCode, 0) << good;
  EXPECT_NE(RunCli({"info", "--help"}).out.find("--thin SECONDS"), std::string::npos);
}

TEST(CliThin, AppliesInCommandLineOrderWithTheOtherEdits) {
  test::TempDir dir;
  const std::string seven = SevenPoints(dir);
  struct Case {
    std::vector<std::string> edits;
    const char* points;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {{"--thin", "10"}, "3", "20080503 12:00:00 UTC", "20080503 12:00:21 UTC"},
      {{"--delete", "0", "--thin", "10"}, "3", "20080503 12:00:04 UTC", "20080503 12:00:21 UTC"},
      {{"--thin", "10", "--delete", "0"}, "2", "20080503 12:00:12 UTC", "20080503 12:00:21 UTC"},
      {{"--thin", "10", "--thin", "20"}, "2", "20080503 12:00:00 UTC", "20080503 12:00:21 UTC"},
      {{"--thin", "1"}, "7", "20080503 12:00:00 UTC", "20080503 12:00:21 UTC"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"info", seven};
    args.insert(args.end(), c.edits.begin(), c.edits.end());
    const auto run = RunCli(args);
    SCOPED_TRACE(::testing::PrintToString(c.edits));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Field(run.out, "points"), c.points);
    EXPECT_EQ(Field(run.out, "first"), c.first);
    EXPECT_EQ(Field(run.out, "last"), c.last);
  }
  // A delete after the thinning sees only the points that are left.
  const auto run = RunCli({"info", seven, "--thin", "10", "--delete", "3"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "wakeline: --delete 3: the track's points are Trpt# 0 to 2\n");
}

// The tack points counted when the thinning was designed (tack angle 30).
TEST(CliThin, RealLogsShowTheirManoeuvres) {
  WL_REQUIRE_REALDATA(real);
  struct Case {
    const char* log;
    const char* tackPoints[4];  // unthinned, 10 s, 20 s, 30 s
  };
  const Case cases[] = {{"irene_2013-08-02_flensburg.trc", {"1322", "66", "52", "47"}},
                        {"irene_2008-07-11.trt", {"117", "69", "52", "47"}},
                        {"irene_2008-06-04.trc", {"240", "43", "40", "35"}},
                        {"psaros33_2014-06-24.trt", {"648", "33", "28", "23"}}};
  for (const Case& c : cases) {
    const std::string file = real + "/" + c.log;
    EXPECT_EQ(Field(RunCli({"info", file}).out, "tack points"), c.tackPoints[0]) << c.log;
    for (int i = 1; i <= 3; ++i) {
      const auto run = RunCli({"info", file, "--thin", std::to_string(10 * i)});
      EXPECT_EQ(Field(run.out, "tack points"), c.tackPoints[i]) << c.log << " " << 10 * i << " s";
    }
  }
}

}  // namespace
}  // namespace wl
