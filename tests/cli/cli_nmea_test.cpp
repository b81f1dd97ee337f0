// wakeline-cli nmea and replay --dry-run: the sentences and the schedule, without a port. The
// sentences' rules are the NMEA core tests' business; here the options that reach them.
#include <algorithm>

#include "cli_util.h"

namespace wl {
namespace {

using test::RunCli;

const std::string kZigzagTrt = test::Sample("zigzag.trt");
const std::string kZigzagTrc = test::Sample("zigzag.trc");
const std::string kNoon = "2024-06-01 12:00:00";

TEST(CliNmea, OneBurstOfEverySentence) {
  // zigzag point 5: 20210612 09:30:50, 54.371196 N 10.167959 E, depth 14.9 m, heading 3.38133 rad,
  // TWA 0.77536 rad, AWA 0.55358 rad, TWS 7.389 m/s, AWS 9.838 m/s, water speed 6 kn.
  auto run = RunCli({"nmea", kZigzagTrt, "--index", "5", "--clock", kNoon, "--dbt", "--vhw", "--wind", "vwr",
                     "--heading", "--true-wind"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "$GPRMC,120000,A,5422.272,N,01010.078,E,005.8,188.3,010624,001.6,W*67\r\n"
            "$STDBT,,f,0014.9,M,,F*2A\r\n"
            "$STVHW,,,188.3,M,006.00,N,,*79\r\n"
            "$HCHDG,193.7,,,,*4E\r\n"
            "$STVWR,031.7,R,019.1,N,009.8,m,035.4,K*61\r\n"
            "$WIMWV,44.4,T,14.3,N,A*27\r\n");
  EXPECT_EQ(run.err, "");
  run = RunCli({"nmea", kZigzagTrt, "--index", "5", "--time-source", "track", "--dbt", "--heading",
                "--true-heading", "--checksum-gp-only"});
  EXPECT_EQ(run.out,
            "$GPRMC,093050,A,5422.272,N,01010.078,E,005.8,188.3,120621,001.6,W*6C\r\n"
            "$STDBT,,f,0014.9,M,,F\r\n$HEHDT,193.0,T\r\n");
}

TEST(CliNmea, AllPointsSeeded) {
  std::vector<std::string> args = {"nmea", kZigzagTrc, "--all", "--clock", kNoon, "--dbt", "--vhw",
                                   "--wind", "mwv", "--seed", "7"};
  const auto a = RunCli(args);
  ASSERT_EQ(a.exitCode, 0) << a.err;
  EXPECT_EQ(RunCli(args).out, a.out);  // the seed makes the variations repeatable
  EXPECT_EQ(std::count(a.out.begin(), a.out.end(), '\n'), 300 * 4);
  args[10] = "8";
  EXPECT_NE(RunCli(args).out, a.out);
}

TEST(CliNmea, WrongCommandLinesExitTwo) {
  const std::vector<std::vector<std::string>> wrong = {
      {"nmea", kZigzagTrt, "--index", "300"}, {"nmea", kZigzagTrt, "--index", "2", "--all"},
      {"nmea", kZigzagTrt, "--clock", "2024-02-30 12:00:00"}, {"nmea", kZigzagTrt, "--clock", "12:00:00"},
      {"nmea", kZigzagTrt, "--wind", "hdg"}, {"nmea", kZigzagTrt, "--sim-depth", "101"},
      {"nmea", kZigzagTrt, "--sim-wind-dir", "north"}, {"nmea", kZigzagTrt, "--seed", "-1"},
      {"nmea", kZigzagTrt, "--time-source", "gps"}, {"nmea", kZigzagTrc, "--heading"},
      {"replay", kZigzagTrc, "--true-wind", "--dry-run"}, {"replay", kZigzagTrt, "--rate", "14"},
      {"replay", kZigzagTrt, "--rate", "601"}, {"replay", kZigzagTrt, "--from", "300"},
      {"replay", kZigzagTrt, "--to", "tcp://nohost"}, {"replay", kZigzagTrt, "--to", "udp://127.0.0.1:0"},
      {"replay", kZigzagTrt, "--port-settings", "4800, n, 8"}, {"replay", kZigzagTrt, "--handshaking", "dtr"},
      {"replay", kZigzagTrt, "--wait-client"}, {"replay", kZigzagTrt, "--wait-client", "--to", "udp://[::1]:9"}};
  for (const auto& args : wrong) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("wakeline: ", 0), 0u) << run.err;
  }
  const auto run = RunCli({"replay", kZigzagTrt, "--to", "/dev/null", "--handshaking", "none"});
  EXPECT_EQ(run.exitCode, 1);  // a target that cannot be opened
  EXPECT_EQ(run.err, "wakeline: /dev/null is not a serial port\n");
}

TEST(CliReplay, DryRunSendsEachPointOnceAtTheRate) {
  // Points 2 s and 0.0001 degree apart (10.8 kn) at rate 60: 2000 / 60 ms, rounded, between ticks.
  test::TempDir dir;
  std::string lines;
  for (int i = 0; i < 4; ++i)
    lines += "20240601 10:00:0" + std::to_string(2 * i) + ",54.000" + std::to_string(i) +
             "00,10.000000,5.55,0,0,0,5,0,0.5,0,5,6,0,0,5.9\r\n";
  test::WriteFile(dir.File("two.trt"), lines);
  const auto run = RunCli({"replay", dir.File("two.trt"), "--dry-run", "--clock", kNoon});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "# t=100 cursor=1\n$GPRMC,120000,A,5400.006,N,01000.000,E,010.8,000.0,010624,001.6,W*6E\r\n"
            "# t=133 cursor=2\n$GPRMC,120000,A,5400.012,N,01000.000,E,010.8,000.0,010624,001.6,W*6B\r\n"
            "# t=166 cursor=3\n$GPRMC,120000,A,5400.018,N,01000.000,E,010.8,000.0,010624,001.6,W*61\r\n");
}

}  // namespace
}  // namespace wl
