// wakeline-cli replay end to end: through a pty into gpsd, and to a TCP client.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <thread>

#include "cli_util.h"

namespace wl {
namespace {

const std::string kClock = "2024-06-01 10:00:00";  // gpsd reads dates before 2019 as a later GPS week

// Twelve points 30 s apart, about 6 kn north, depth 5.0, 5.1, ... m.
std::string NorthTrack() {
  std::string t;
  for (int i = 0; i < 12; ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "20240601 10:%02d:%02d,%.6f,10.000000,6,0,0,0,%.1f,0,0.5,0,5,6,0,0,5.9\r\n",
                  i / 2, i % 2 * 30, 54 + 0.000833 * i, 5 + 0.1 * i);
    t += line;
  }
  return t;
}

struct Pty {
  Pty() {
    EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    name = ttyname(slave);
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
  }
  ~Pty() {
    close(master);
    close(slave);
  }
  int master = -1, slave = -1;
  std::string name;
};

// A program run in the background with its output in a file; ended and reaped whatever happens.
class Child {
 public:
  Child(std::vector<std::string> args, const std::string& output) {
    pid_ = fork();
    if (pid_ != 0) return;
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  ~Child() { Stop(); }
  // Whether it has ended by itself within ms.
  bool Wait(int ms) {
    for (int waited = 0; pid_ > 0; waited += 10) {
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
      else if (waited >= ms) return false;
      else usleep(10000);
    }
    return true;
  }
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (Wait(1000)) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
};

// Copies what is written to one pty to the other and keeps it, until stopped.
class Relay {
 public:
  Relay(int from, int to) : thread_([this, from, to] { Run(from, to); }) {}
  ~Relay() { Stop(); }
  std::string Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return kept_;
  }

 private:
  void Run(int from, int to) {
    char buf[4096];
    while (!stop_) {
      pollfd p[2] = {{from, POLLIN, 0}, {to, POLLIN, 0}};
      ssize_t n = 0;
      if (poll(p, 2, 50) > 0 && (p[0].revents & POLLIN) && (n = read(from, buf, sizeof buf)) > 0) {
        kept_.append(buf, static_cast<size_t>(n));
        if (write(to, buf, static_cast<size_t>(n)) != n) ADD_FAILURE() << "relay write";
      }
      if (p[1].revents & POLLIN) n = read(to, buf, sizeof buf);  // nothing comes back with -b
      if (n <= 0) usleep(5000);
    }
  }
  std::atomic<bool> stop_{false};
  std::string kept_;
  std::thread thread_;
};

// Every value of "key": in the lines that have one.
std::vector<std::string> JsonValues(const std::string& json, const std::string& key) {
  std::vector<std::string> values;
  const std::string tag = "\"" + key + "\":";
  for (size_t at = json.find(tag); at != std::string::npos; at = json.find(tag, at + 1)) {
    const size_t from = at + tag.size();
    values.push_back(json.substr(from, json.find_first_of(",}", from) - from));
  }
  return values;
}

TEST(CliReplayGpsd, UtcTimeAndDepthReadBackThroughAPty) {
  // Not every PATH holds sbin.
  const std::string gpsdProgram = access("/usr/sbin/gpsd", X_OK) == 0 ? "/usr/sbin/gpsd" : "gpsd";
  if (system(("command -v " + gpsdProgram + " >/dev/null && command -v gpspipe >/dev/null").c_str()) != 0)
    GTEST_SKIP() << "gpsd and gpspipe are not installed (make deps installs gpsd and gpsd-clients)";
  test::TempDir dir;
  const std::string track = dir.File("north.trt");
  test::WriteFile(track, NorthTrack());
  Pty replaySide, gpsdSide;
  Relay relay(replaySide.master, gpsdSide.master);
  const std::string port = std::to_string(test::FreeTcpPort());
  Child gpsd({gpsdProgram, "-N", "-n", "-b", "-S", port, gpsdSide.name}, dir.File("gpsd.log"));
  const int probe = test::ConnectTcp(static_cast<uint16_t>(std::stoi(port)), 5);
  ASSERT_GE(probe, 0) << test::ReadFile(dir.File("gpsd.log"));
  close(probe);
  Child gpspipe({"gpspipe", "-w", "-x", "30", "127.0.0.1:" + port}, dir.File("gpspipe.json"));
  usleep(300000);  // gpspipe has asked for the reports

  // 250 ms a tick; 2400 baud carry less than the 96-byte bursts need, which is said and changes nothing.
  const auto run = test::RunCli({"replay", track, "--to", replaySide.name, "--rate", "120", "--clock", kClock,
                                 "--dbt", "--port-settings", "2400, n, 8, 1", "--handshaking", "none"});
  usleep(300000);
  gpsd.Stop();  // gpspipe ends with the connection
  EXPECT_TRUE(gpspipe.Wait(3000));
  const std::string stream = relay.Stop();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err,  // 11 bursts of 96 bytes in 2.6 s
            "wakeline: the line carries about 240 bytes/s, the replay needs about 407; choose a higher speed or a "
            "lower rate\n");

  ASSERT_EQ(stream.substr(0, 14), "$GPRMC,100000,") << stream;  // the first tick, 0.1 s after the clock

  // gpsd's fixes: the clock's UTC date and time for 2.6 s, the depths of points 1 to 11.
  const std::string json = test::ReadFile(dir.File("gpspipe.json"));
  size_t fixes = 0;
  for (const std::string& t : JsonValues(json, "time")) {
    if (t.rfind("\"2024-06-01T", 0) != 0) continue;  // the device's activation, today
    ++fixes;
    const bool inReplay = t.size() == 26 && t.compare(0, 19, "\"2024-06-01T10:00:0") == 0 && t[19] <= '3' &&
                          t.compare(20, 6, ".000Z\"") == 0;
    EXPECT_TRUE(inReplay) << t;
  }
  EXPECT_GE(fixes, 4u) << json;
  const auto depths = JsonValues(json, "depth");
  EXPECT_GE(depths.size(), 4u) << json;
  for (const std::string& d : depths) {  // "0005.1" .. "0006.1" were sent
    EXPECT_EQ(d.size(), 5u) << d;
    EXPECT_TRUE(d >= "5.100" && d <= "6.100" && d.substr(3) == "00") << d;
  }
}

TEST(CliReplayTcp, AClientWaitedForGetsEveryFix) {
  const std::string zigzag = test::Sample("zigzag.trt");
  const std::vector<std::string> common = {"replay", zigzag, "--from", "270", "--rate", "600",
                                           "--clock", kClock, "--dbt", "--vhw", "--wind", "mwv"};
  const uint16_t port = test::FreeTcpPort();
  auto args = common;
  args.insert(args.end(), {"--to", "tcp://127.0.0.1:" + std::to_string(port), "--wait-client"});
  auto replay = std::async(std::launch::async, [&] { return test::RunCli(args); });
  const int client = test::ConnectTcp(port, 5);
  ASSERT_GE(client, 0);
  std::string got;
  char buf[4096];
  for (ssize_t n; (n = read(client, buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
  close(client);
  const test::CliRun run = replay.get();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "wakeline: listening on tcp://127.0.0.1:" + std::to_string(port) + "\n");

  // The same replay's schedule without waiting: the stream is every line of it but the marks.
  args = common;
  args.push_back("--dry-run");
  std::string expected;
  std::istringstream dry(test::RunCli(args).out);
  for (std::string line; std::getline(dry, line);)
    if (line[0] != '#') expected += line + "\n";
  EXPECT_EQ(got, expected);
  size_t fixes = 0;
  for (size_t at = got.find("$GPRMC"); at != std::string::npos; at = got.find("$GPRMC", at + 1)) ++fixes;
  EXPECT_EQ(fixes, 29u);  // points 271 to 299
}

}  // namespace
}  // namespace wl
