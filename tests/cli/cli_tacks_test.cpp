// wakeline-cli tacks: the tack list grid on the bundled samples and the shared recordings.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;

// Golden outputs live in tests/golden/tacks_<sample>.txt. After a deliberate change, regenerate
// them from the source folder:
//   for f in zigzag.trt zigzag.trc anchor_wait.trt daygap.trc; do
//     build/wakeline-cli tacks "data/samples/$f" > "tests/golden/tacks_$f.txt"; done
// and review the difference before committing.
class CliTacksGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(CliTacksGolden, MatchesGoldenOutput) {
  const auto run = RunCli({"tacks", SourcePath(std::string("data/samples/") + GetParam())});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string golden = test::ReadFile(SourcePath(std::string("tests/golden/tacks_") + GetParam() + ".txt"));
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(run.out, golden);
}

INSTANTIATE_TEST_SUITE_P(Samples, CliTacksGolden,
                         ::testing::Values("zigzag.trt", "zigzag.trc", "anchor_wait.trt", "daygap.trc"));

std::vector<std::vector<std::string>> Cells(const std::string& out) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    size_t from = 0;
    for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
      rows.back().push_back(line.substr(from, tab - from));
    }
    rows.back().push_back(line.substr(from));
  }
  return rows;
}

TEST(CliTacks, TackAngleZeroLeavesOnlyWaitsAfterTheEmptyRow) {
  const auto run = RunCli({"tacks", SourcePath("data/samples/anchor_wait.trt"), "--tack-angle", "0", "--true-heading"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto rows = Cells(run.out);
  ASSERT_EQ(rows.size(), 3u) << run.out;
  EXPECT_EQ(rows[0][5], "avtHDG:    ");
  EXPECT_EQ(rows[1], std::vector<std::string>(13));
  EXPECT_EQ(rows[2][2], "0:05:00");
}

TEST(CliTacks, RefusesWhatItCannotRead) {
  EXPECT_EQ(RunCli({"tacks", SourcePath("data/samples/no_such_file.trt")}).exitCode, 1);
  EXPECT_EQ(RunCli({"tacks"}).exitCode, 2);
  EXPECT_EQ(RunCli({"tacks", SourcePath("data/samples/zigzag.trt"), "--tack-angle", "70"}).exitCode, 2);
}

TEST(CliTacks, RealRecordingHasFullRowsAndTackAngles) {
  WL_REQUIRE_REALDATA(dir);
  const auto run = RunCli({"tacks", dir + "/irene_2008-07-11.trt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto rows = Cells(run.out);
  ASSERT_GT(rows.size(), 30u);
  int angles = 0;
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 13u);
    if (!row[12].empty() && row[12] != "tack Angle: ") ++angles;
  }
  EXPECT_GT(angles, 20);
}

}  // namespace
}  // namespace wl
