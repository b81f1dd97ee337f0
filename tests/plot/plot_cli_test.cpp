// wakeline-cli plot as a harness: the golden primitive listings of the samples, and what it refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;

std::string Sample(const std::string& name) { return SourcePath("data/samples/" + name); }

// Each listing pins the scaling, grid, speed legend, segments, circles, texts and labels of one sample;
// a refused line exits 2 and draws nothing.
TEST(PlotCli, PrimitivesMatchTheGoldenListingsAndRefusalsDrawNothing) {
  std::istringstream listings(test::ReadFile(SourcePath("tests/plot/golden/listings.txt")));
  int checked = 0;
  for (std::string line; std::getline(listings, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string sample, word;
    words >> sample;
    const bool refused = sample == "refused";
    if (refused) words >> sample;
    std::vector<std::string> args{"plot", Sample(sample)};
    while (words >> word) args.push_back(word);
    if (!refused) args.push_back("--primitives");
    const auto run = RunCli(args);
    ASSERT_EQ(run.exitCode, refused ? 2 : 0) << line << "\n" << run.err;
    const std::string golden =
        refused ? "" : test::ReadFile(SourcePath("tests/plot/golden/plot_" + sample + ".txt"));
    EXPECT_EQ(run.out, golden) << line;
    EXPECT_EQ(run.err.empty(), !refused) << line;
    ++checked;
  }
  EXPECT_EQ(checked, 13);
  const auto empty = RunCli({"plot", Sample("empty.trc"), "--primitives"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "wakeline: Trackfile has only 0 points, plotting not possible\n");
  EXPECT_EQ(empty.out, "");
}

// The PNG is the window's image: its pixels pin the colours of segments, circles and marker. Regenerate with
//   build/wakeline-cli plot data/samples/anchor_wait.trt --black --cursor 35
//     --png tests/plot/golden/plot_anchor_wait.trt.png
TEST(PlotCli, WritesPngAndPdfWithoutADisplay) {
  test::TempDir dir;
  const auto png = RunCli({"plot", Sample("anchor_wait.trt"), "--black", "--cursor", "35", "--png", dir.File("a.png")});
  ASSERT_EQ(png.exitCode, 0) << png.err;
  const std::string golden = test::ReadFile(SourcePath("tests/plot/golden/plot_anchor_wait.trt.png"));
  EXPECT_TRUE(test::ReadFile(dir.File("a.png")) == golden) << "the PNG differs from the golden one";
  const auto pdf = RunCli({"plot", Sample("zigzag.trt"), "--pdf", dir.File("z.pdf")});
  ASSERT_EQ(pdf.exitCode, 0) << pdf.err;
  EXPECT_EQ(test::ReadFile(dir.File("z.pdf")).substr(0, 4), "%PDF");
  const auto denied = RunCli({"plot", Sample("zigzag.trt"), "--png", dir.File("no/such/folder.png")});
  EXPECT_EQ(denied.exitCode, 1);
  EXPECT_NE(denied.err.find("cannot write"), std::string::npos) << denied.err;
}

}  // namespace
}  // namespace wl
