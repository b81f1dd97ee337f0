// wakeline-cli as a harness: command dispatch, --help, exit codes and the one-line messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using test::RunCli;
using test::SourcePath;
using test::TempDir;

const std::string kZigzag = SourcePath("data/samples/zigzag.trt");

// Every message is one line "wakeline: ...".
void ExpectMessageLines(const std::string& err) {
  std::istringstream in(err);
  std::string line;
  while (std::getline(in, line)) EXPECT_EQ(line.rfind("wakeline: ", 0), 0u) << line;
  EXPECT_TRUE(err.empty() || err.back() == '\n') << err;
  EXPECT_EQ(err.find('\r'), std::string::npos) << err;
}

std::vector<std::string> ListedCommands() {
  const auto run = RunCli({"--help"});
  std::vector<std::string> names;
  std::istringstream in(run.out);
  std::string line;
  const std::string prefix = "  wakeline-cli ";
  while (std::getline(in, line))
    if (line.rfind(prefix, 0) == 0) names.push_back(line.substr(prefix.size(), line.find(' ', prefix.size()) - prefix.size()));
  return names;
}

TEST(CliHelp, ListsCommandsAndEveryCommandPrintsItsUsage) {
  const auto run = RunCli({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  const auto names = ListedCommands();
  ASSERT_GE(names.size(), 2u) << run.out;
  EXPECT_NE(std::find(names.begin(), names.end(), "info"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "convert"), names.end());
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    // --help anywhere wins over missing or wrong arguments
    for (const auto& args : {std::vector<std::string>{name, "--help"}, {name, "nofile.trt", "--help"}}) {
      const auto help = RunCli(args);
      EXPECT_EQ(help.exitCode, 0);
      EXPECT_EQ(help.out.rfind("usage: wakeline-cli " + name, 0), 0u) << help.out;
      EXPECT_EQ(help.err, "");
    }
  }
}

TEST(CliHelp, TrackOptionsAreExplainedWhereTheyApply) {
  const auto run = RunCli({"info", "--help"});
  EXPECT_NE(run.out.find("--tack-angle N"), std::string::npos);
  EXPECT_NE(run.out.find("--delete FROM[-TO]"), std::string::npos);
}

TEST(CliUsage, WrongCommandLinesExitTwoWithOneLine) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", kZigzag, kZigzag},
      {"info", kZigzag, "--bogus"},
      {"info", kZigzag, "--tack-angle"},
      {"info", kZigzag, "--time-offset", "2h"},
      {"info", kZigzag, "--time-offset", "24:00:00"},
      {"info", kZigzag, "--time-offset", "02:60:00"},
      {"info", kZigzag, "--insert", "x.trt"},
      {"info", kZigzag, "--insert", "-1:x.trt"},
      {"info", kZigzag, "--insert", "3:"},
      {"info", kZigzag, "--delete", "a"},
      {"info", kZigzag, "--delete", "3-"},
      {"info", kZigzag, "--delete", "99999999999"},
      {"convert", kZigzag},
  };
  for (const auto& args : wrong) {
    const auto run = RunCli(args);
    SCOPED_TRACE(::testing::PrintToString(args));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    ExpectMessageLines(run.err);
  }
}

TEST(CliTackAngle, RefusedAngleGivesTheProgramsMessage) {
  for (const char* angle : {"14.9", "60.5", "-20", "90"}) {
    const auto run = RunCli({"info", kZigzag, "--tack-angle", angle});
    EXPECT_EQ(run.exitCode, 2) << angle;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "wakeline: TackAngle must be between 15 and 60 /  or 0 to suppress automatic Tack analysis\n");
  }
  for (const char* angle : {"0", "15", "60", " 30abc", "abc", "45.5"}) {
    const auto run = RunCli({"info", "--tack-angle", angle, kZigzag});
    EXPECT_EQ(run.exitCode, 0) << angle << run.err;
  }
}

TEST(CliFiles, UnreadableFilesExitOneWithTheReadersMessage) {
  TempDir dir;
  const std::string missing = dir.File("missing.trt");
  auto run = RunCli({"info", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("wakeline: " + missing + " / could not be opened: ", 0), 0u) << run.err;
  ExpectMessageLines(run.err);

  std::filesystem::create_directory(dir.File("folder.trt"));
  run = RunCli({"info", dir.File("folder.trt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("wakeline: " + dir.File("folder.trt") + " / could not be opened: ", 0), 0u) << run.err;

  test::WriteFile(dir.File("notes.txt"), "20210612 09:30:00,54,10,5,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  run = RunCli({"info", dir.File("notes.txt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: " + dir.File("notes.txt") + " is not a .trc or .trt track file\n");
}

TEST(CliMessages, LineBreaksInsideAMessageBecomeSlashes) {
  TempDir dir;
  // a lone LF and a lone CR in a file name must not split the message
  for (const std::string name : {"two\nlines.trt", "two\rlines.trt"}) {
    const auto run = RunCli({"info", dir.File(name)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("wakeline: " + dir.path().string() + "/two / lines.trt / could not be opened: ", 0), 0u)
        << run.err;
    ExpectMessageLines(run.err);
  }
}

TEST(CliMessages, CapacityMessagesAndExitCodes) {
  TempDir dir;
  const std::string full = dir.File("full.trc"), longer = dir.File("longer.trc"), one = dir.File("one.trc");
  test::WriteFile(full, std::string(30 * 20001, '\0'));
  test::WriteFile(longer, std::string(30 * 20002, '\0'));
  test::WriteFile(one, std::string(30, '\0'));

  auto run = RunCli({"info", longer});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "wakeline: " + longer + " / Trackfile too long, truncated !!!\n");
  EXPECT_NE(run.out.find("points: 20001\n"), std::string::npos);

  run = RunCli({"info", full, "--insert", "5:" + one});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: INSERT FILE AFTER 5\nwakeline: inserting: " + one +
                         " / Combined files too long, will not process \n");
}

}  // namespace
}  // namespace wl
