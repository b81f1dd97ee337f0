// wakeline-cli table and tacks: golden outputs and the real recordings.
// Regenerate goldens after a deliberate change with build/wakeline-cli table|tacks data/samples/F [--flags]
// > tests/golden/table_[flags_]F.txt (tacks_F.txt), run from the source folder, and review the diff.
#include "cli_util.h"

namespace wl {
namespace {

using test::Cells;
using test::RunCli;
using test::Sample;

// Each sample holds one case of the processing pass: a spike, a wait, a day gap, time running
// back, clock times, no points, one point.
TEST(CliGolden, TableAndTacksMatchGoldenOutput) {
  for (const char* s : {"anchor_wait.trt", "backwards.trt", "ct_times.trt", "daygap.trc", "empty.trc",
                        "one_point.trt", "spike.trc", "zigzag.trc", "zigzag.trt"}) {
    SCOPED_TRACE(s);
    test::ExpectGolden("table", s);
  }
  for (const char* s : {"backwards.trt", "zigzag.trc"}) test::ExpectGolden("table", s, true);
  for (const char* s : {"zigzag.trt", "zigzag.trc", "anchor_wait.trt", "daygap.trc"}) {
    SCOPED_TRACE(s);
    test::ExpectGolden("tacks", s);
  }
}

// The same race as TRC, TRT and clock-time TRT gives the same table apart from the TRT-only
// columns, and the one GPS jump is the only outlier.
TEST(CliTable, RealRecordingsAgreeAcrossFormats) {
  WL_REQUIRE_REALDATA(dir);
  const auto trt = RunCli({"table", dir + "/irene_2008-07-11.trt", "--flags"});
  const auto ct = RunCli({"table", dir + "/irene_2008-07-11_ct.trt", "--flags"});
  const auto trc = RunCli({"table", dir + "/irene_2008-07-11.trc", "--flags"});
  ASSERT_EQ(trt.exitCode + ct.exitCode + trc.exitCode, 0) << trt.err << ct.err << trc.err;
  EXPECT_EQ(ct.out, trt.out);
  const auto wind = Cells(trt.out), plain = Cells(trc.out);
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
  EXPECT_EQ(wind[5766][9], ":14:18");  // the two recording gaps are legs of their own
  EXPECT_EQ(wind[6393][9], ":25:46");
  EXPECT_EQ(wind[6393][12], "4:16:06");
}

}  // namespace
}  // namespace wl
