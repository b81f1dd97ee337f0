// wakeline-cli convert: what the Save command writes, and when it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using test::ReadFile;
using test::RunCli;
using test::SourcePath;
using test::TempDir;

// The point lines of a TRT file, each with its CR LF.
std::string PointLines(const std::string& trt) {
  std::string out;
  size_t at = 0;
  while (at < trt.size()) {
    size_t end = trt.find("\r\n", at);
    std::string line = trt.substr(at, end - at);
    if (line.rfind("/*", 0) != 0) out += line + "\r\n";
    at = end + 2;
  }
  return out;
}

double RecordTime(const std::string& trc, size_t record) {
  double t;
  std::memcpy(&t, trc.data() + record * 30 + 20, sizeof t);  // little-endian host
  return t;
}

// Records agree in every byte but the time, which may differ in its last bits.
void ExpectSameRecords(const std::string& actual, const std::string& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t r = 0; r < actual.size() / 30; ++r) {
    EXPECT_EQ(actual.compare(r * 30, 20, expected, r * 30, 20), 0) << "record " << r;
    EXPECT_EQ(actual.compare(r * 30 + 28, 2, expected, r * 30 + 28, 2), 0) << "record " << r;
    EXPECT_NEAR(RecordTime(actual, r), RecordTime(expected, r), 1e-9) << "record " << r;
  }
}

const std::string kZigzagTrt = SourcePath("data/samples/zigzag.trt");
const std::string kZigzagTrc = SourcePath("data/samples/zigzag.trc");

TEST(CliConvert, TrtToTrtWritesThePointLines) {
  TempDir dir;
  const auto run = RunCli({"convert", kZigzagTrt, dir.File("out.trt")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: writing track file does not write comment lines (yet)!\n");
  EXPECT_EQ(ReadFile(dir.File("out.trt")), PointLines(ReadFile(kZigzagTrt)));
}

TEST(CliConvert, TrtToTrcWritesTheRecordsOfTheSameTrack) {
  TempDir dir;
  const auto run = RunCli({"convert", kZigzagTrt, dir.File("out.TRC")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("wakeline: Saving a .trt file as .trc does not store all data"), std::string::npos);
  const std::string written = ReadFile(dir.File("out.TRC"));
  EXPECT_EQ(written.size(), 30u * 300);
  ExpectSameRecords(written, ReadFile(kZigzagTrc));
}

TEST(CliConvert, TrcToTrcKeepsEveryByte) {
  TempDir dir;
  for (const char* sample : {"zigzag.trc", "spike.trc", "daygap.trc", "empty.trc"}) {
    const std::string out = dir.File(std::string("copy_") + sample);
    const auto run = RunCli({"convert", SourcePath(std::string("data/samples/") + sample), out});
    EXPECT_EQ(run.exitCode, 0) << sample << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(out), ReadFile(SourcePath(std::string("data/samples/") + sample))) << sample;
  }
}

TEST(CliConvert, TrcToTrtIsRefused) {
  TempDir dir;
  const auto run = RunCli({"convert", kZigzagTrc, dir.File("out.trt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: Only extension \".trc\" is permitted for .trt file !\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.trt")));
}

TEST(CliConvert, ExistingOutputNeedsForce) {
  TempDir dir;
  const std::string out = dir.File("out.trc");
  test::WriteFile(out, "keep me");
  auto run = RunCli({"convert", kZigzagTrc, out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: file not saved\n");
  EXPECT_EQ(ReadFile(out), "keep me");

  run = RunCli({"convert", "--force", kZigzagTrc, out});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "wakeline: " + out + " exists, do you want to overwite ?\n");
  EXPECT_EQ(ReadFile(out), ReadFile(kZigzagTrc));
}

TEST(CliConvert, UnwritableOutputExitsOneAndWritesNothing) {
  TempDir dir;
  const auto run = RunCli({"convert", kZigzagTrc, dir.File("no/such/folder/out.trc")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("wakeline: " + dir.File("no/such/folder/out.trc") + " / could not be written: ", 0), 0u)
      << run.err;
}

TEST(CliConvert, EditsReachTheWrittenFile) {
  TempDir dir;
  const std::string out = dir.File("edited.trt");
  const std::string one = SourcePath("data/samples/one_point.trt");
  const auto run = RunCli({"convert", kZigzagTrt, out, "--delete", "1-298", "--insert", "0:" + one});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string lines = PointLines(ReadFile(kZigzagTrt));
  const std::string first = lines.substr(0, lines.find("\r\n") + 2);
  const std::string last = lines.substr(lines.rfind("\r\n", lines.size() - 3) + 2);
  EXPECT_EQ(ReadFile(out), first + ReadFile(one) + last);
}

TEST(CliConvert, TackPointsOnlyWritesThePointsFlaggedAsTacks) {
  TempDir dir;
  const auto table = RunCli({"table", kZigzagTrt, "--flags"});
  ASSERT_EQ(table.exitCode, 0) << table.err;
  // The flag is the last cell of each point row; collect the lines of the points flagged 1.
  std::vector<std::string> lines;
  const std::string all = PointLines(ReadFile(kZigzagTrt));
  for (size_t at = 0; at < all.size(); at = all.find("\r\n", at) + 2) lines.push_back(all.substr(at, all.find("\r\n", at) - at));
  std::string expected;
  size_t row = 0, tacks = 0;
  for (size_t at = table.out.find('\n') + 1; at < table.out.size(); at = table.out.find('\n', at) + 1, ++row) {
    const std::string line = table.out.substr(at, table.out.find('\n', at) - at);
    if (line.substr(line.rfind('\t') + 1) == "1") {
      expected += lines.at(row) + "\r\n";
      ++tacks;
    }
  }
  ASSERT_GT(tacks, 2u);

  const auto run = RunCli({"convert", kZigzagTrt, dir.File("tacks.trt"), "--tack-points-only"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(dir.File("tacks.trt")), expected);

  const auto none = RunCli({"convert", kZigzagTrt, dir.File("none.trt"), "--tack-points-only", "--tack-angle", "0"});
  ASSERT_EQ(none.exitCode, 0) << none.err;
  EXPECT_EQ(ReadFile(dir.File("none.trt")), "");
}

TEST(CliConvert, RealRecordingSavesAsItsTrcTwin) {
  WL_REQUIRE_REALDATA(realdata);
  TempDir dir;
  for (const char* name : {"irene_2008-07-11", "psaros33_2014-06-24"}) {
    const std::string out = dir.File(std::string(name) + ".trc");
    const auto run = RunCli({"convert", realdata + "/" + name + ".trt", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ExpectSameRecords(ReadFile(out), ReadFile(realdata + "/" + name + ".trc"));
  }
}

}  // namespace
}  // namespace wl
