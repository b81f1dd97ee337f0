// wakeline-cli list: the folder grid, the clipboard text and its refusals.
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

// A TRT file whose points step north by 0.01 degree (0.6 minute of arc).
void WriteTrt(const std::string& path, int points) {
  std::string text;
  for (int i = 0; i < points; ++i)
    text += "20080711 10:31:44," + std::to_string(46.0 + i * 0.01) + ",6.15,5.0,0.5,0,0,10,0,0,0,0,0,0,0,0\r\n";
  test::WriteFile(path, text);
}

TEST(CliList, RowsSummaryTypesCopyAndErrors) {
  test::TempDir dir;
  const std::string folder = dir.path().string();
  WriteTrt(dir.File("b.trt"), 3);  // 1.2 minutes: 1.200055 nm
  WriteTrt(dir.File("A.trt"), 1);
  WriteTrt(dir.File("c.TRC.trt"), 2);
  test::WriteFile(dir.File("d.trc"), std::string(30, '\0'));  // one point at 0 N 0 E

  auto run = RunCli({"list", folder + "/"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "name\tdistance\tpoints\nA.trt\t0\t1\nb.trt\t1.200055\t3\nc.TRC.trt\t0.6000276\t2\n"
                     "d.trc\t0\t1\n\n" + folder + "\n4 files, total distance 1.800083\n");
  run = RunCli({"list", "--type", "trt", folder, "--copy"});
  EXPECT_EQ(run.out, "Selected files of type .trt in:\r\n" + folder +
                         "\r\n\r\n       0.0\tA.trt\r\n       1.2\tb.trt\r\n       0.6\tc.TRC.trt\r\n");
  run = RunCli({"list", folder, "--type", "trc"});
  EXPECT_EQ(run.out, "name\tdistance\tpoints\nd.trc\t0\t1\n\n" + folder + "\n1 files, total distance 0\n");

  test::TempDir empty;
  run = RunCli({"list", empty.path().string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "name\tdistance\tpoints\n\n" + empty.path().string() +
                         "\nNo files of selected type in this directory\n");
  EXPECT_EQ(RunCli({"list", empty.path().string(), "--copy"}).out, "");

  run = RunCli({"list", dir.File("missing")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: " + dir.File("missing") + " / could not be opened: No such file or directory\n");
}

}  // namespace
}  // namespace wl
