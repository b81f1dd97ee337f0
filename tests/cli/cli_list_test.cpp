// wakeline-cli list: the folder grid and the refusal of a missing folder. Which files are listed, in
// what order, and the summary and clipboard texts are the folder listing's core test.
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

TEST(CliList, GridTypeCopyAndAMissingFolder) {
  test::TempDir dir;
  const std::string folder = dir.path().string();
  std::string text;  // points stepping north by 0.01 degree (0.6 minute of arc)
  for (int i = 0; i < 3; ++i)
    text += "20080711 10:31:44," + std::to_string(46.0 + i * 0.01) + ",6.15,5.0,0.5,0,0,10,0,0,0,0,0,0,0,0\r\n";
  test::WriteFile(dir.File("b.trt"), text);
  test::WriteFile(dir.File("d.trc"), std::string(30, '\0'));  // one point at 0 N 0 E

  auto run = RunCli({"list", folder + "/"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "name\tdistance\tpoints\nb.trt\t1.200055\t3\nd.trc\t0\t1\n\n" + folder +
                         "\n2 files, total distance 1.200055\n");
  run = RunCli({"list", "--type", "trt", folder, "--copy"});
  EXPECT_EQ(run.out, "Selected files of type .trt in:\r\n" + folder + "\r\n\r\n       1.2\tb.trt\r\n");
  run = RunCli({"list", dir.File("missing")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: " + dir.File("missing") + " / could not be opened: No such file or directory\n");
}

}  // namespace
}  // namespace wl
