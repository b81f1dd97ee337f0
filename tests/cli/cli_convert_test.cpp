// wakeline-cli convert: the Save command without questions. What the writer writes is the track
// writer test's business; here the exit codes, --force and the points that reach the file.
#include <filesystem>

#include "cli_util.h"

namespace wl {
namespace {

using test::ReadFile;
using test::RunCli;
using test::Sample;

const std::string kZigzagTrt = Sample("zigzag.trt");
const std::string kZigzagTrc = Sample("zigzag.trc");

// The point lines of a TRT file with their CR LF, without the comment lines.
std::vector<std::string> PointLines(const std::string& trt) {
  std::vector<std::string> out;
  for (size_t at = 0, end; at < trt.size(); at = end + 2) {
    end = trt.find("\r\n", at);
    if (trt.compare(at, 2, "/*") != 0) out.push_back(trt.substr(at, end + 2 - at));
  }
  return out;
}

TEST(CliConvert, WritesWhatWasAskedAndRefusesWithExitOne) {
  test::TempDir dir;
  const std::string out = dir.File("out.trc");
  auto run = RunCli({"convert", kZigzagTrt, out});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("wakeline: Saving a .trt file as .trc does not store all data"), std::string::npos);
  EXPECT_EQ(ReadFile(out), ReadFile(kZigzagTrc));

  test::WriteFile(out, "keep me");
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{kZigzagTrc, dir.File("out.trt")}, "Only extension \".trc\" is permitted for .trt file !"},
      {{kZigzagTrc, out}, "file not saved"},  // an existing file needs --force
      {{Sample("empty.trc"), out, "--force"}, "nothing to save: the track has no points"}};
  for (const auto& [args, message] : refused) {
    std::vector<std::string> all{"convert"};
    all.insert(all.end(), args.begin(), args.end());
    run = RunCli(all);
    EXPECT_EQ(run.exitCode, 1) << message;
    EXPECT_EQ(run.err, "wakeline: " + message + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.trt")));
  EXPECT_EQ(ReadFile(out), "keep me");
  run = RunCli({"convert", "--force", kZigzagTrc, out});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");  // --force answers the question
  EXPECT_EQ(ReadFile(out), ReadFile(kZigzagTrc));
}

TEST(CliConvert, EditsAndTackSelectionReachTheWrittenFile) {
  test::TempDir dir;
  const std::string one = Sample("one_point.trt");
  const auto lines = PointLines(ReadFile(kZigzagTrt));
  auto run = RunCli({"convert", kZigzagTrt, dir.File("edited.trt"), "--delete", "1-298", "--insert", "0:" + one});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(dir.File("edited.trt")), lines.front() + ReadFile(one) + lines.back());

  // --tack-points-only keeps the lines whose table row ends in tack flag 1.
  const auto rows = test::Cells(RunCli({"table", kZigzagTrt, "--flags"}).out);
  ASSERT_EQ(rows.size(), lines.size() + 1);
  std::string tacks;
  for (size_t r = 1; r < rows.size(); ++r)
    if (rows[r].back() == "1") tacks += lines[r - 1];
  ASSERT_FALSE(tacks.empty());
  for (const auto& [angle, want] : {std::pair{"30", tacks}, {"0", std::string()}}) {  // none: an empty file
    run = RunCli({"convert", kZigzagTrt, dir.File("tacks.trt"), "--tack-points-only", "--force", "--tack-angle", angle});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("tacks.trt")), want) << angle;
  }
}

}  // namespace
}  // namespace wl
