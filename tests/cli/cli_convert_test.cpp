// wakeline-cli convert: what the Save command writes, and when it refuses.
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "cli_util.h"

namespace wl {
namespace {

using test::ReadFile;
using test::RunCli;
using test::Sample;
using test::TempDir;

// The point lines of a TRT file, without their CR LF.
std::vector<std::string> PointLines(const std::string& trt) {
  std::vector<std::string> out;
  for (size_t at = 0, end; at < trt.size(); at = end + 2) {
    end = trt.find("\r\n", at);
    if (trt.compare(at, 2, "/*") != 0) out.push_back(trt.substr(at, end - at));
  }
  return out;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

// Records agree in every byte but the time, which may differ in its last bits.
void ExpectSameRecords(const std::string& actual, const std::string& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  auto time = [](const std::string& trc, size_t r) {
    double t;
    std::memcpy(&t, trc.data() + r * 30 + 20, sizeof t);  // little-endian host
    return t;
  };
  for (size_t r = 0; r < actual.size() / 30; ++r) {
    EXPECT_EQ(actual.compare(r * 30, 20, expected, r * 30, 20), 0) << "record " << r;
    EXPECT_EQ(actual.compare(r * 30 + 28, 2, expected, r * 30 + 28, 2), 0) << "record " << r;
    EXPECT_NEAR(time(actual, r), time(expected, r), 1e-9) << "record " << r;
  }
}

const std::string kZigzagTrt = Sample("zigzag.trt");
const std::string kZigzagTrc = Sample("zigzag.trc");

TEST(CliConvert, WritesTrtLinesAndTrcRecords) {
  TempDir dir;
  auto run = RunCli({"convert", kZigzagTrt, dir.File("out.trt")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: writing track file does not write comment lines (yet)!\n");
  EXPECT_EQ(ReadFile(dir.File("out.trt")), Join(PointLines(ReadFile(kZigzagTrt))));

  run = RunCli({"convert", kZigzagTrt, dir.File("out.TRC")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("wakeline: Saving a .trt file as .trc does not store all data"), std::string::npos);
  EXPECT_EQ(ReadFile(dir.File("out.TRC")).size(), 30u * 300);
  ExpectSameRecords(ReadFile(dir.File("out.TRC")), ReadFile(kZigzagTrc));

  for (const std::string sample : {"zigzag.trc", "spike.trc", "daygap.trc"}) {
    run = RunCli({"convert", Sample(sample), dir.File("copy_" + sample)});
    EXPECT_EQ(run.exitCode, 0) << sample << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(dir.File("copy_" + sample)), ReadFile(Sample(sample))) << sample;
  }
}

TEST(CliConvert, RefusalsLeaveFilesAlone) {
  TempDir dir;
  auto run = RunCli({"convert", kZigzagTrc, dir.File("out.trt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: Only extension \".trc\" is permitted for .trt file !\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.trt")));

  const std::string out = dir.File("out.trc");
  test::WriteFile(out, "keep me");
  run = RunCli({"convert", kZigzagTrc, out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: file not saved\n");
  EXPECT_EQ(ReadFile(out), "keep me");
  run = RunCli({"convert", Sample("empty.trc"), out, "--force"});  // no point could be read
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: nothing to save: the track has no points\n");
  EXPECT_EQ(ReadFile(out), "keep me");
  ASSERT_EQ(mkfifo(dir.File("pipe.trc").c_str(), 0600), 0);
  run = RunCli({"convert", dir.File("pipe.trc"), out, "--force"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: " + dir.File("pipe.trc") + " / could not be opened: it is not a regular file\n");
  EXPECT_EQ(ReadFile(out), "keep me");
  run = RunCli({"convert", "--force", kZigzagTrc, out});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");  // --force answers the question
  EXPECT_EQ(ReadFile(out), ReadFile(kZigzagTrc));

  const std::string nowhere = dir.File("no/such/folder/out.trc");
  run = RunCli({"convert", kZigzagTrc, nowhere});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("wakeline: " + nowhere + " / could not be written: ", 0), 0u) << run.err;
}

TEST(CliConvert, EditsAndTackSelectionReachTheWrittenFile) {
  TempDir dir;
  const std::string one = Sample("one_point.trt");
  const auto lines = PointLines(ReadFile(kZigzagTrt));
  auto run = RunCli({"convert", kZigzagTrt, dir.File("edited.trt"), "--delete", "1-298", "--insert", "0:" + one});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(dir.File("edited.trt")), lines.front() + "\r\n" + ReadFile(one) + lines.back() + "\r\n");

  // --tack-points-only keeps the lines whose table row ends in tack flag 1.
  const auto rows = test::Cells(RunCli({"table", kZigzagTrt, "--flags"}).out);
  ASSERT_EQ(rows.size(), lines.size() + 1);
  std::vector<std::string> tacks;
  for (size_t r = 1; r < rows.size(); ++r)
    if (rows[r].back() == "1") tacks.push_back(lines[r - 1]);
  ASSERT_GT(tacks.size(), 2u);
  run = RunCli({"convert", kZigzagTrt, dir.File("tacks.trt"), "--tack-points-only"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(dir.File("tacks.trt")), Join(tacks));
  run = RunCli({"convert", kZigzagTrt, dir.File("none.trt"), "--tack-points-only", "--tack-angle", "0"});
  ASSERT_EQ(run.exitCode, 0) << run.err;  // no tack points: an empty file all the same
  ASSERT_TRUE(std::filesystem::exists(dir.File("none.trt")));
  EXPECT_EQ(ReadFile(dir.File("none.trt")), "");
}

TEST(CliConvert, RealRecordingSavesAsItsTrcTwin) {
  WL_REQUIRE_REALDATA(realdata);
  TempDir dir;
  for (const std::string name : {"irene_2008-07-11", "psaros33_2014-06-24"}) {
    const auto run = RunCli({"convert", realdata + "/" + name + ".trt", dir.File(name + ".trc")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectSameRecords(ReadFile(dir.File(name + ".trc")), ReadFile(realdata + "/" + name + ".trc"));
  }
}

}  // namespace
}  // namespace wl
