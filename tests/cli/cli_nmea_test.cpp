// wakeline-cli nmea and replay --dry-run: the sentences and the schedule, without a port.
#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

const std::string kZigzagTrt = test::Sample("zigzag.trt");
const std::string kZigzagTrc = test::Sample("zigzag.trc");
const std::string kNoon = "2024-06-01 12:00:00";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  EXPECT_EQ(at, text.size()) << "every sentence ends in CR LF";
  return lines;
}

std::string Field(const std::string& sentence, size_t n) {
  std::istringstream in(sentence);
  std::string f;
  for (size_t i = 0; i <= n && std::getline(in, f, ','); ++i) {
  }
  return f;
}

TEST(CliNmea, OneBurstAndTheTimeOffsets) {
  const auto run = RunCli({"nmea", kZigzagTrt, "--index", "5", "--clock", kNoon, "--dbt", "--vhw", "--wind", "vwr"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[0].substr(0, 16), "$GPRMC,100000,A,");  // TRT: clock minus the 02:00:00 offset
  EXPECT_EQ(Field(lines[0], 9), "010624");
  EXPECT_EQ(lines[1].rfind("$STDBT,,,", 0), 0u);
  EXPECT_EQ(lines[2].rfind("$STVHW,,,", 0), 0u);
  EXPECT_EQ(lines[3].rfind("$STVWR,", 0), 0u);
  EXPECT_EQ(lines[1].find('*'), std::string::npos);

  const auto back = RunCli({"nmea", kZigzagTrt, "--clock", "2024-06-01 00:30:00", "--time-offset", "01:00:00"});
  EXPECT_EQ(Field(back.out, 1), "233000");
  EXPECT_EQ(Field(back.out, 9), "310524");
  EXPECT_EQ(Field(RunCli({"nmea", kZigzagTrt, "--clock", kNoon, "--time-offset-minus"}).out, 1), "140000");
}

TEST(CliNmea, AllPointsSeededAndChecksummed) {
  std::vector<std::string> args = {"nmea", kZigzagTrc, "--all", "--clock", kNoon, "--dbt", "--vhw",
                                   "--wind", "mwv", "--seed", "7", "--checksum-all"};
  const auto a = RunCli(args);
  ASSERT_EQ(a.exitCode, 0) << a.err;
  EXPECT_EQ(RunCli(args).out, a.out);  // the seed makes the variations repeatable
  const auto lines = Lines(a.out);
  EXPECT_EQ(lines.size(), 300u * 4);
  for (const auto& l : lines) EXPECT_NE(l.find('*'), std::string::npos) << l;
  args[10] = "8";
  EXPECT_NE(RunCli(args).out, a.out);
}

TEST(CliNmea, WrongCommandLinesAndUnreachableDevice) {
  const std::vector<std::vector<std::string>> wrong = {
      {"nmea", kZigzagTrt, "--index", "300"}, {"nmea", kZigzagTrt, "--index", "2", "--all"},
      {"nmea", kZigzagTrt, "--clock", "2024-02-30 12:00:00"}, {"nmea", kZigzagTrt, "--clock", "12:00:00"},
      {"nmea", kZigzagTrt, "--wind", "hdg"}, {"nmea", kZigzagTrt, "--sim-depth", "101"},
      {"nmea", kZigzagTrt, "--sim-wind-dir", "north"}, {"nmea", kZigzagTrt, "--seed", "-1"},
      {"replay", kZigzagTrt, "--rate", "14"}, {"replay", kZigzagTrt, "--rate", "601"},
      {"replay", kZigzagTrt, "--from", "300"}, {"replay", kZigzagTrt, "--to", "tcp://nohost"},
      {"replay", kZigzagTrt, "--to", "udp://127.0.0.1:0"}, {"replay", kZigzagTrt, "--port-settings", "4800, n, 8"}};
  for (const auto& args : wrong) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("wakeline: ", 0), 0u) << run.err;
  }
  const auto run = RunCli({"replay", kZigzagTrt, "--to", "/dev/nonexistent-wakeline-port"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("/dev/nonexistent-wakeline-port"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST(CliReplay, DryRunFollowsTheSchedule) {
  // zigzag: 10 s legs; at rate 60 one step per leg, 167 ms apart.
  const auto run = RunCli({"replay", kZigzagTrt, "--dry-run", "--clock", kNoon, "--from", "295"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> marks;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("#", 0) == 0) marks.push_back(line);
  const std::vector<std::string> expected = {
      "# t=100 cursor=296", "# t=267 cursor=296", "# t=434 cursor=297", "# t=601 cursor=297",
      "# t=768 cursor=298", "# t=935 cursor=298", "# t=1102 cursor=299"};
  EXPECT_EQ(marks, expected);
  EXPECT_NE(run.out.find("$GPRMC,100001,"), std::string::npos);  // the clock runs on with the schedule
}

}  // namespace
}  // namespace wl
