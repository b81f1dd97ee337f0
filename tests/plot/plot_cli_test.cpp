// wakeline-cli plot as a harness: the primitive listing of a sample, and what it refuses.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;

std::string Sample(const std::string& name) { return SourcePath("data/samples/" + name); }

// Regenerate after a deliberate change of the drawing, from the repository's root (one line):
//   build/wakeline-cli plot data/samples/anchor_wait.trt --wind --cursor 35 --primitives
//     > tests/plot/golden/plot_anchor_wait.trt.txt
TEST(PlotCli, PrimitivesOfATrtSampleWithWindVanes) {
  const auto run = RunCli({"plot", Sample("anchor_wait.trt"), "--wind", "--cursor", "35", "--primitives"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string golden = test::ReadFile(SourcePath("tests/plot/golden/plot_anchor_wait.trt.txt"));
  ASSERT_FALSE(golden.empty());
  ASSERT_EQ(run.out.size(), golden.size());
  EXPECT_EQ(run.out, golden);
}

TEST(PlotCli, LabelsFollowTheOptions) {
  const auto run = RunCli({"plot", Sample("zigzag.trc"), "--point", "--text", "nothing", "--cursor", "99999",
                           "--size", "789x1639", "--primitives"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string tail = run.out.substr(run.out.find("label\tlblDat"));
  EXPECT_NE(tail.find("label\tlblTime\t10:19:50 UTC\n"), std::string::npos) << tail;  // the last point
  EXPECT_NE(tail.find("label\tlblSpeed\tSOG: "), std::string::npos) << tail;
  EXPECT_TRUE(tail.ends_with("label\tlblTackPopup\t\n")) << tail;  // text mode "Nothing"
}

TEST(PlotCli, RefusesWhatCannotBeDrawn) {
  const std::vector<std::vector<std::string>> usage = {
      {"--size", "788x7000", "--primitives"},  {"--size", "11850x1638", "--primitives"},
      {"--text", "some", "--primitives"},      {"--speed", "5:4", "--primitives"},
      {"--wa", "45:45:55", "--primitives"},    {"--ui", "--point", "--primitives"},
      {"--png", "x.png", "--primitives"},      {},
  };
  for (auto args : usage) {
    args.insert(args.begin(), {"plot", Sample("zigzag.trt")});
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << args[2];
    EXPECT_EQ(run.out, "");
  }
  const auto empty = RunCli({"plot", Sample("empty.trc"), "--primitives"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "wakeline: Trackfile has only 0 points, plotting not possible\n");
  EXPECT_EQ(empty.out, "");
}

TEST(PlotCli, WritesPngAndPdfWithoutADisplay) {
  test::TempDir dir;
  for (const std::string kind : {"png", "pdf"}) {
    const std::string out = dir.File("plot." + kind);
    const auto run = RunCli({"plot", Sample("zigzag.trt"), "--black", "--" + kind, out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(test::ReadFile(out).substr(0, 4), kind == "png" ? "\x89PNG" : "%PDF");
  }
  const auto denied = RunCli({"plot", Sample("zigzag.trt"), "--png", dir.File("no/such/folder.png")});
  EXPECT_EQ(denied.exitCode, 1);
  EXPECT_NE(denied.err.find("cannot write"), std::string::npos) << denied.err;
}

}  // namespace
}  // namespace wl
