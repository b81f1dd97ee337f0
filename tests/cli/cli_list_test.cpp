#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::TempDir;

// A TRT file whose points step north by 0.01 degree (0.6 minute of arc).
void WriteTrt(const std::string& path, int points) {
  std::string text;
  for (int i = 0; i < points; ++i)
    text += "20080711 10:31:44," + std::to_string(46.0 + i * 0.01) + ",6.15,5.0,0.5,0,0,10,0,0,0,0,0,0,0,0\r\n";
  test::WriteFile(path, text);
}

class CliList : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTrt(dir.File("b.trt"), 3);    // 1.2 minutes: 1.200055 nm
    WriteTrt(dir.File("A.trt"), 1);
    WriteTrt(dir.File("c.TRC.trt"), 2);
    test::WriteFile(dir.File("d.trc"), std::string(30, '\0'));  // one point at 0 N 0 E
  }
  TempDir dir;
};

TEST_F(CliList, PrintsRowsBlankLineAndSummary) {
  const std::string folder = dir.path().string();
  const auto run = RunCli({"list", folder + "/"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "name\tdistance\tpoints\n"
            "A.trt\t0\t1\n"
            "b.trt\t1.200055\t3\n"
            "c.TRC.trt\t0.6000276\t2\n"
            "d.trc\t0\t1\n"
            "\n" +
                folder + "\n4 files, total distance 1.800083\n");
}

TEST_F(CliList, TypeSelectsFilesAndCopyPrintsTheClipboardText) {
  const std::string folder = dir.path().string();
  auto run = RunCli({"list", "--type", "trt", folder, "--copy"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Selected files of type .trt in:\r\n" + folder +
                         "\r\n\r\n       0.0\tA.trt\r\n       1.2\tb.trt\r\n       0.6\tc.TRC.trt\r\n");

  run = RunCli({"list", folder, "--type", "trc"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "name\tdistance\tpoints\nd.trc\t0\t1\n\n" + folder + "\n1 files, total distance 0\n");
}

TEST_F(CliList, EmptySelectionAndErrors) {
  TempDir empty;
  auto run = RunCli({"list", empty.path().string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "name\tdistance\tpoints\n\n" + empty.path().string() +
                         "\nNo files of selected type in this directory\n");
  run = RunCli({"list", empty.path().string(), "--copy"});
  EXPECT_EQ(run.out, "");

  run = RunCli({"list", dir.File("missing")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: " + dir.File("missing") + " / could not be opened: No such file or directory\n");

  EXPECT_EQ(RunCli({"list", dir.path().string(), "--type", "gpx"}).exitCode, 2);
  EXPECT_EQ(RunCli({"list", dir.path().string(), "--type"}).exitCode, 2);
  EXPECT_EQ(RunCli({"list"}).exitCode, 2);
}

}  // namespace
}  // namespace wl
