// wakeline-cli as a harness: dispatch, --help, exit codes and the one-line messages. The commands
// share one option parser and one loader, so each path is run once, through `info`; the rules
// behind the messages (tack angle bounds, reader refusals) are the core tests' business.
#include <filesystem>

#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

const std::string kZigzag = test::Sample("zigzag.trt");

TEST(CliHelp, OverviewAndUsageWinOverAnythingElse) {
  const auto run = RunCli({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* line : {"\n  wakeline-cli convert IN OUT", "\n  wakeline-cli info FILE", "\n  wakeline-cli list"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  const auto usage = RunCli({"info", "nofile.trt", "--bogus", "--help"});
  EXPECT_EQ(usage.exitCode, 0);
  EXPECT_EQ(usage.out.rfind("usage: wakeline-cli info FILE", 0), 0u) << usage.out;
  EXPECT_NE(usage.out.find("\n  --delete FROM[-TO]"), std::string::npos);
  EXPECT_EQ(usage.err, "");
}

TEST(CliUsage, WrongCommandLinesExitTwoWithOneLine) {
  const std::pair<std::vector<std::string>, std::string> wrong[] = {
      {{}, "no command given (see wakeline-cli --help)"},
      {{"frobnicate"}, "unknown command \"frobnicate\" (see wakeline-cli --help)"},
      {{"info"}, "info: expected 1 argument, got 0 (see wakeline-cli info --help)"},
      {{"convert", kZigzag}, "convert: expected 2 arguments, got 1 (see wakeline-cli convert --help)"},
      {{"table", kZigzag, "--frags"}, "table: unknown option --frags"},
      {{"info", kZigzag, "--tack-angle"}, "--tack-angle needs a value"},
      {{"info", kZigzag, "--tack-angle", "70"},
       "TackAngle must be between 15 and 60 /  or 0 to suppress automatic Tack analysis"},
      {{"info", kZigzag, "--time-offset", "24:00:00"}, "--time-offset needs a time of day HH:MM:SS, not \"24:00:00\""},
      {{"info", kZigzag, "--insert", "-1:x.trt"}, "--insert needs AFTER:FILE, not \"-1:x.trt\""},
      {{"info", kZigzag, "--delete", "3-"}, "--delete needs FROM or FROM-TO, not \"3-\""},
      {{"info", kZigzag, "--delete", "290-300"}, "--delete 290-300: the track's points are Trpt# 0 to 299"},
      {{"list", ".", "--type", "gpx"}, "list: --type needs trc, trt or both"}};
  for (const auto& [args, message] : wrong) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "wakeline: " + message + "\n");
  }
}

TEST(CliFiles, UnreadableFilesExitOneWithTheReadersMessageOnOneLine) {
  test::TempDir dir;
  // A line break in a file name becomes " / " and does not split the message.
  auto run = RunCli({"info", dir.File("two\r\nlines.trt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "wakeline: " + dir.File("two / lines.trt") + " / could not be opened: No such file or directory\n");
  test::WriteFile(dir.File("notes.txt"), "20210612 09:30:00,54,10,5,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  run = RunCli({"tacks", dir.File("notes.txt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: " + dir.File("notes.txt") + " is not a .trc or .trt track file\n");
}

// A warning goes on with exit 0; a refused insertion ends with exit 1.
TEST(CliMessages, TruncationWarnsAndACombinedTrackTooLongFails) {
  test::TempDir dir;
  const std::string longer = dir.File("longer.trc"), one = dir.File("one.trc");
  test::WriteFile(longer, std::string(30 * 20002, '\0'));
  test::WriteFile(one, std::string(30, '\0'));
  auto run = RunCli({"info", longer});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "wakeline: " + longer + " / Trackfile too long, truncated !!!\n");
  EXPECT_NE(run.out.find("\npoints: 20001\n"), std::string::npos);
  run = RunCli({"info", longer, "--insert", "5:" + one});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: " + longer + " / Trackfile too long, truncated !!!\n"
                     "wakeline: inserting: " + one + " / Combined files too long, will not process \n");
}

}  // namespace
}  // namespace wl
