// wakeline-cli replay end to end: through a pty into gpsd, and to a TCP client.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <sstream>
#include <thread>

#include "support/test_support.h"

namespace wl {
namespace {

const std::string kClock = "2024-06-01 10:00:00";  // gpsd reads dates before 2019 as a later GPS week

sockaddr_in Loopback(uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

// A loopback TCP port that was free a moment ago.
uint16_t FreeTcpPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a = Loopback(0);
  socklen_t size = sizeof a;
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
  close(fd);
  return ntohs(a.sin_port);
}

// A loopback client connected to port within about seconds, else -1.
int ConnectTcp(uint16_t port, int seconds) {
  const sockaddr_in a = Loopback(port);
  for (int tries = 0; tries < seconds * 20; ++tries) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0) return fd;
    close(fd);
    usleep(50000);
  }
  return -1;
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

// Copies what is written to one pty to the other until it goes.
class Relay {
 public:
  Relay(int from, int to) : thread_([this, from, to] { Run(from, to); }) {}
  ~Relay() {
    stop_ = true;
    thread_.join();
  }

 private:
  void Run(int from, int to) {
    char buf[4096];
    while (!stop_) {
      pollfd p[2] = {{from, POLLIN, 0}, {to, POLLIN, 0}};
      ssize_t n = 0;
      if (poll(p, 2, 50) > 0 && (p[0].revents & POLLIN) && (n = read(from, buf, sizeof buf)) > 0)
        if (write(to, buf, static_cast<size_t>(n)) != n) ADD_FAILURE() << "relay write";
      if (p[1].revents & POLLIN) n = read(to, buf, sizeof buf);  // nothing comes back with -b
      if (n <= 0) usleep(5000);
    }
  }
  std::atomic<bool> stop_{false};
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

// north.trt: twelve points 30 s apart, about 6 kn north, depth 5.0, 5.1, ... m.
TEST(CliReplayGpsd, UtcTimeAndDepthReadBackThroughAPty) {
  // Not every PATH holds sbin.
  const std::string gpsdProgram = access("/usr/sbin/gpsd", X_OK) == 0 ? "/usr/sbin/gpsd" : "gpsd";
  if (system(("command -v " + gpsdProgram + " >/dev/null && command -v gpspipe >/dev/null").c_str()) != 0)
    GTEST_SKIP() << "gpsd and gpspipe are not installed (make deps installs gpsd and gpsd-clients)";
  test::TempDir dir;
  Pty replaySide, gpsdSide;
  Relay relay(replaySide.master, gpsdSide.master);
  const uint16_t port = FreeTcpPort();
  Child gpsd({gpsdProgram, "-N", "-n", "-b", "-S", std::to_string(port), gpsdSide.name}, dir.File("gpsd.log"));
  const int probe = ConnectTcp(port, 5);
  ASSERT_GE(probe, 0) << test::ReadFile(dir.File("gpsd.log"));
  close(probe);
  Child gpspipe({"gpspipe", "-w", "-x", "30", "127.0.0.1:" + std::to_string(port)}, dir.File("gpspipe.json"));
  usleep(300000);  // gpspipe has asked for the reports

  // 250 ms a tick; 2400 baud carry less than the 96-byte bursts need, which is said and changes nothing.
  const auto run = test::RunCli({"replay", test::SourcePath("tests/cli/north.trt"), "--to", replaySide.name, "--rate",
                                 "120", "--clock", kClock, "--dbt", "--port-settings", "2400, n, 8, 1",
                                 "--handshaking", "none"});
  usleep(300000);
  gpsd.Stop();  // gpspipe ends with the connection
  EXPECT_TRUE(gpspipe.Wait(3000));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err,  // 11 bursts of 96 bytes in 2.6 s
            "wakeline: the line carries about 240 bytes/s, the replay needs about 407; choose a higher speed or a "
            "lower rate\n");

  // gpsd's fixes: the clock's UTC date and time for 2.6 s, the depths of points 1 to 11.
  const std::string json = test::ReadFile(dir.File("gpspipe.json"));
  size_t fixes = 0;
  for (const std::string& t : JsonValues(json, "time")) {
    if (!t.starts_with("\"2024-06-01T")) continue;  // the device's activation, today
    ++fixes;
    EXPECT_TRUE(t.size() == 26 && t.starts_with("\"2024-06-01T10:00:0") && t[19] <= '3' && t.ends_with(".000Z\""))
        << t;
  }
  EXPECT_GE(fixes, 4u) << json;
  const auto depths = JsonValues(json, "depth");
  EXPECT_GE(depths.size(), 4u) << json;
  for (const std::string& d : depths)  // "0005.1" .. "0006.1" were sent
    EXPECT_TRUE(d.size() == 5 && d >= "5.100" && d <= "6.100" && d.ends_with("00")) << d;
}

// The stream a waited-for client gets is the same replay's schedule without its marks.
TEST(CliReplayTcp, AClientWaitedForGetsEveryFix) {
  const uint16_t port = FreeTcpPort();
  std::vector<std::string> args = {"replay", test::SourcePath("data/samples/zigzag.trt"), "--from", "270", "--rate",
                                   "600", "--clock", kClock, "--dbt", "--vhw", "--wind", "mwv"};
  auto withClient = args;
  withClient.insert(withClient.end(), {"--to", "tcp://127.0.0.1:" + std::to_string(port), "--wait-client"});
  auto replay = std::async(std::launch::async, [&] { return test::RunCli(withClient); });
  const int client = ConnectTcp(port, 5);
  ASSERT_GE(client, 0);
  std::string got;
  char buf[4096];
  for (ssize_t n; (n = read(client, buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
  close(client);
  const test::CliRun run = replay.get();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "wakeline: listening on tcp://127.0.0.1:" + std::to_string(port) + "\n");

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
