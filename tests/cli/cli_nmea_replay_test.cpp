// wakeline-cli replay end to end: into a pty, and through TCP into gpsd.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <sstream>

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

// The serial output puts the line into raw mode itself.
struct Pty {
  Pty() { EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0); }
  ~Pty() {
    close(master);
    close(slave);
  }
  int master = -1, slave = -1;
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

// north.trt: twelve points 30 s apart, about 6 kn north, depth 5.0, 5.1, ... m; 250 ms a tick.
const std::string kNorth = test::SourcePath("tests/cli/north.trt");

// The stream the line gets is the same replay's schedule without its marks. 2400 baud carry less
// than the 96-byte bursts need, which is said and changes nothing.
TEST(CliReplayPty, TheLineGetsTheScheduleAndATooLowSpeedIsSaid) {
  Pty pty;
  std::vector<std::string> args = {"replay", kNorth, "--rate", "120", "--clock", kClock, "--dbt"};
  auto toPty = args;
  toPty.insert(toPty.end(), {"--to", ttyname(pty.slave), "--port-settings", "2400, n, 8, 1", "--handshaking", "none"});
  const test::CliRun run = test::RunCli(toPty);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err,  // 11 bursts in 2.6 s
            "wakeline: the line carries about 240 bytes/s, the replay needs about 407; choose a higher speed or a "
            "lower rate\n");
  std::string got;
  char buf[4096];
  pollfd ready{pty.master, POLLIN, 0};
  for (ssize_t n; poll(&ready, 1, 100) > 0 && (n = read(pty.master, buf, sizeof buf)) > 0;)
    got.append(buf, static_cast<size_t>(n));
  args.push_back("--dry-run");
  std::string expected;
  std::istringstream dry(test::RunCli(args).out);
  for (std::string line; std::getline(dry, line);)
    if (line[0] != '#') expected += line + "\n";
  EXPECT_EQ(got, expected);
}

// gpsd reads the replay from its TCP port and gives the clock's UTC date and time and the depths.
TEST(CliReplayGpsd, UtcTimeAndDepthReadBackOverTcp) {
  // Not every PATH holds sbin.
  const std::string gpsdProgram = access("/usr/sbin/gpsd", X_OK) == 0 ? "/usr/sbin/gpsd" : "gpsd";
  if (system(("command -v " + gpsdProgram + " >/dev/null && command -v gpspipe >/dev/null").c_str()) != 0)
    GTEST_SKIP() << "gpsd and gpspipe are not installed (make deps installs gpsd and gpsd-clients)";
  test::TempDir dir;
  const uint16_t replayPort = FreeTcpPort();
  const std::string to = "tcp://127.0.0.1:" + std::to_string(replayPort);
  auto replay = std::async(std::launch::async, [&] {
    return test::RunCli({"replay", kNorth, "--to", to, "--wait-client", "--rate", "120", "--clock", kClock, "--dbt"});
  });
  usleep(500000);  // the replay listens
  const uint16_t port = FreeTcpPort();
  Child gpsd({gpsdProgram, "-N", "-n", "-b", "-S", std::to_string(port), to}, dir.File("gpsd.log"));
  const int probe = ConnectTcp(port, 5);
  EXPECT_GE(probe, 0) << test::ReadFile(dir.File("gpsd.log"));
  close(probe);
  Child gpspipe({"gpspipe", "-w", "-x", "30", "127.0.0.1:" + std::to_string(port)}, dir.File("gpspipe.json"));
  if (replay.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
    close(ConnectTcp(replayPort, 1));  // gpsd never came: the replay ends all the same
  const test::CliRun run = replay.get();
  usleep(300000);
  gpsd.Stop();  // gpspipe ends with the connection
  EXPECT_TRUE(gpspipe.Wait(3000));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "wakeline: listening on " + to + "\n");

  // The fixes of points 1 to 11 in 2.6 s.
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

}  // namespace
}  // namespace wl
