// wakeline-cli as a harness: command dispatch, --help, exit codes and the one-line messages.
#include <algorithm>
#include <filesystem>

#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;
using test::TempDir;

const std::string kZigzag = test::Sample("zigzag.trt");

// Every message is one line "wakeline: ..." ending in LF.
void ExpectMessageLines(const std::string& err) {
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);) EXPECT_EQ(line.rfind("wakeline: ", 0), 0u) << line;
  EXPECT_TRUE(err.empty() || err.back() == '\n') << err;
  EXPECT_EQ(err.find('\r'), std::string::npos) << err;
}

TEST(CliHelp, ListsCommandsAndEveryCommandPrintsItsUsage) {
  const auto run = RunCli({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  std::vector<std::string> names;
  std::istringstream in(run.out);
  const std::string prefix = "  wakeline-cli ";
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) names.push_back(line.substr(prefix.size(), line.find(' ', prefix.size()) - prefix.size()));
  EXPECT_NE(std::find(names.begin(), names.end(), "info"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "convert"), names.end());
  for (const auto& name : names) {
    // --help anywhere wins over missing or wrong arguments
    for (const auto& args : {std::vector<std::string>{name, "--help"}, {name, "nofile.trt", "--help"}}) {
      const auto help = RunCli(args);
      EXPECT_EQ(help.exitCode, 0) << name;
      EXPECT_EQ(help.out.rfind("usage: wakeline-cli " + name, 0), 0u) << help.out;
      EXPECT_EQ(help.err, "");
    }
  }
  const auto info = RunCli({"info", "--help"}).out;
  EXPECT_NE(info.find("--tack-angle N"), std::string::npos);
  EXPECT_NE(info.find("--delete FROM[-TO]"), std::string::npos);
}

TEST(CliUsage, WrongCommandLinesExitTwoWithOneLine) {
  const std::vector<std::vector<std::string>> wrong = {
      {}, {"frobnicate"}, {"info"}, {"table"}, {"tacks"}, {"list"}, {"convert", kZigzag},
      {"info", kZigzag, kZigzag}, {"info", kZigzag, "--bogus"}, {"table", kZigzag, "--frags"},
      {"info", kZigzag, "--tack-angle"}, {"info", kZigzag, "--time-offset", "2h"},
      {"info", kZigzag, "--time-offset", "24:00:00"}, {"info", kZigzag, "--time-offset", "02:60:00"},
      {"info", kZigzag, "--insert", "x.trt"}, {"info", kZigzag, "--insert", "-1:x.trt"},
      {"info", kZigzag, "--insert", "3:"}, {"info", kZigzag, "--delete", "a"}, {"info", kZigzag, "--delete", "3-"},
      {"info", kZigzag, "--delete", "99999999999"}, {"list", ".", "--type", "gpx"}, {"list", ".", "--type"}};
  for (const auto& args : wrong) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    ExpectMessageLines(run.err);
  }
}

TEST(CliTackAngle, BoundsAndTheProgramsMessage) {
  for (const char* cmd : {"info", "table", "tacks"}) {
    for (const char* angle : {"14.9", "60.5", "-20", "90", "70"}) {
      const auto run = RunCli({cmd, kZigzag, "--tack-angle", angle});
      EXPECT_EQ(run.exitCode, 2) << cmd << angle;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "wakeline: TackAngle must be between 15 and 60 /  or 0 to suppress automatic Tack analysis\n");
    }
  }
  for (const char* angle : {"0", "15", "60", " 30abc", "abc", "45.5"})
    EXPECT_EQ(RunCli({"info", "--tack-angle", angle, kZigzag}).exitCode, 0) << angle;
}

TEST(CliFiles, UnreadableFilesExitOneWithTheReadersMessage) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder.trt"));
  // a lone LF or CR in a file name becomes " / " and does not split the message
  for (const std::string name : {"missing.trt", "folder.trt", "two\nlines.trt", "two\rlines.trt"}) {
    for (const char* cmd : {"info", "table", "tacks"}) {
      const auto run = RunCli({cmd, dir.File(name)});
      EXPECT_EQ(run.exitCode, 1) << cmd;
      EXPECT_EQ(run.out, "");
      std::string shown = dir.File(name);
      if (name.rfind("two", 0) == 0) shown = dir.path().string() + "/two / lines.trt";
      EXPECT_EQ(run.err.rfind("wakeline: " + shown + " / could not be opened: ", 0), 0u) << run.err;
      ExpectMessageLines(run.err);
    }
  }
  test::WriteFile(dir.File("notes.txt"), "20210612 09:30:00,54,10,5,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  const auto run = RunCli({"info", dir.File("notes.txt")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "wakeline: " + dir.File("notes.txt") + " is not a .trc or .trt track file\n");
}

TEST(CliMessages, TruncationAt20001AndCombinedCapacity) {
  TempDir dir;
  const std::string full = dir.File("full.trc"), longer = dir.File("longer.trc"), one = dir.File("one.trc");
  test::WriteFile(full, std::string(30 * 20001, '\0'));
  test::WriteFile(longer, std::string(30 * 20002, '\0'));
  test::WriteFile(one, std::string(30, '\0'));
  auto run = RunCli({"info", longer});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "wakeline: " + longer + " / Trackfile too long, truncated !!!\n");
  EXPECT_NE(run.out.find("points: 20001\n"), std::string::npos);
  run = RunCli({"info", full});
  EXPECT_EQ(run.err, "");
  run = RunCli({"info", full, "--insert", "5:" + one});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "wakeline: inserting: " + one +
                         " / Combined files too long, will not process \n");
}

}  // namespace
}  // namespace wl
