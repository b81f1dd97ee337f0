// wakeline-cli table: the track table on the bundled samples and the shared recordings.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;

std::vector<std::vector<std::string>> Rows(const std::string& out) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    size_t from = 0;
    for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      rows.back().push_back(line.substr(from, tab - from));
    rows.back().push_back(line.substr(from));
  }
  return rows;
}

// Golden outputs live in tests/golden/table_<sample>.txt (and table_flags_<sample>.txt for runs
// with --flags). After a deliberate change, regenerate them from the source folder:
//   for f in anchor_wait.trt backwards.trt ct_times.trt daygap.trc empty.trc one_point.trt spike.trc zigzag.trc zigzag.trt; do
//     build/wakeline-cli table "data/samples/$f" > "tests/golden/table_$f.txt"; done
//   for f in backwards.trt zigzag.trc; do
//     build/wakeline-cli table "data/samples/$f" --flags > "tests/golden/table_flags_$f.txt"; done
// and review the difference before committing.
struct Golden {
  const char* sample;
  bool flags;
};

class CliTableGolden : public ::testing::TestWithParam<Golden> {};

TEST_P(CliTableGolden, MatchesGoldenOutput) {
  const Golden g = GetParam();
  std::vector<std::string> args{"table", SourcePath(std::string("data/samples/") + g.sample)};
  if (g.flags) args.push_back("--flags");
  const auto run = RunCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string golden =
      test::ReadFile(SourcePath(std::string("tests/golden/table_") + (g.flags ? "flags_" : "") + g.sample + ".txt"));
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(run.out, golden);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, CliTableGolden,
    ::testing::Values(Golden{"anchor_wait.trt", false}, Golden{"backwards.trt", false}, Golden{"ct_times.trt", false},
                      Golden{"daygap.trc", false}, Golden{"empty.trc", false}, Golden{"one_point.trt", false},
                      Golden{"spike.trc", false}, Golden{"zigzag.trc", false}, Golden{"zigzag.trt", false},
                      Golden{"backwards.trt", true}, Golden{"zigzag.trc", true}));

TEST(CliTable, EveryRowHasACellPerColumn) {
  for (const char* sample : {"empty.trc", "one_point.trt", "zigzag.trt", "spike.trc"}) {
    const auto run = RunCli({"table", SourcePath(std::string("data/samples/") + sample), "--flags"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].front(), "Trpt#");
    EXPECT_EQ(rows[0].back(), "TackFlag");
    for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size()) << sample;
  }
}

TEST(CliTable, TrackOptionsApply) {
  const std::string zigzag = SourcePath("data/samples/zigzag.trt");
  auto flags = [](const std::string& out) {
    std::map<std::string, int> count;
    for (const auto& row : Rows(out)) count[row.back()]++;
    return count;
  };
  const auto plain = RunCli({"table", zigzag, "--flags"});
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_GT(flags(plain.out)["1"], 2);
  const auto off = RunCli({"table", zigzag, "--flags", "--tack-angle", "0"});
  ASSERT_EQ(off.exitCode, 0) << off.err;
  EXPECT_EQ(flags(off.out).count("1"), 0u);

  const auto heading = RunCli({"table", zigzag, "--true-heading"});
  EXPECT_EQ(Rows(heading.out)[0][4], "tHDG");

  // Deleting the first ten points renumbers the rest; the new point 0 has no leg.
  const auto cut = RunCli({"table", zigzag, "--delete", "0-9"});
  ASSERT_EQ(cut.exitCode, 0) << cut.err;
  const auto before = Rows(plain.out);
  const auto after = Rows(cut.out);
  ASSERT_EQ(after.size(), before.size() - 10);
  EXPECT_EQ(after[1][0], "0");
  EXPECT_EQ(after[1][1], before[11][1]);
  EXPECT_EQ(after[1][7], "");
  EXPECT_EQ(after[2][7], before[12][7]);
}

TEST(CliTable, RefusesWhatItCannotUse) {
  EXPECT_EQ(RunCli({"table", SourcePath("data/samples/no_such_file.trt")}).exitCode, 1);
  const auto angle = RunCli({"table", SourcePath("data/samples/zigzag.trc"), "--tack-angle", "70"});
  EXPECT_EQ(angle.exitCode, 2);
  EXPECT_EQ(angle.out, "");
  EXPECT_EQ(RunCli({"table"}).exitCode, 2);
  EXPECT_EQ(RunCli({"table", SourcePath("data/samples/zigzag.trc"), "--frags"}).exitCode, 2);
}

// The recordings: the same race as TRC and TRT gives the same table apart from the TRT-only
// columns, clock times read as UTC give the same table, and the one GPS jump is the only outlier.
TEST(CliTable, RealRecordingsAgreeAcrossFormats) {
  WL_REQUIRE_REALDATA(dir);
  const auto trt = RunCli({"table", dir + "/irene_2008-07-11.trt", "--flags"});
  const auto ct = RunCli({"table", dir + "/irene_2008-07-11_ct.trt", "--flags"});
  const auto trc = RunCli({"table", dir + "/irene_2008-07-11.trc", "--flags"});
  ASSERT_EQ(trt.exitCode, 0) << trt.err;
  ASSERT_EQ(ct.exitCode, 0) << ct.err;
  ASSERT_EQ(trc.exitCode, 0) << trc.err;
  EXPECT_EQ(ct.out, trt.out);

  const auto wind = Rows(trt.out);
  const auto plain = Rows(trc.out);
  ASSERT_EQ(wind.size(), 6394u);
  ASSERT_EQ(plain.size(), wind.size());
  std::vector<std::string> outliers;
  for (size_t r = 0; r < wind.size(); ++r) {
    std::vector<std::string> shared(wind[r].begin(), wind[r].begin() + 4);
    shared.insert(shared.end(), wind[r].begin() + 5, wind[r].begin() + 14);
    shared.push_back(wind[r].back());
    ASSERT_EQ(shared, plain[r]) << "row " << r;
    if (r > 0 && wind[r].back() == "2") outliers.push_back(wind[r][0]);
  }
  EXPECT_EQ(outliers, std::vector<std::string>{"4432"});
  // The two recording gaps are legs of their own.
  EXPECT_EQ(wind[5766][9], ":14:18");
  EXPECT_EQ(wind[6393][9], ":25:46");
  EXPECT_EQ(wind[6393][12], "4:16:06");
}

}  // namespace
}  // namespace wl
