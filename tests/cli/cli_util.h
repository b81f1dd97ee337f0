#pragma once
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace wl::test {

inline std::string Sample(const std::string& name) { return SourcePath("data/samples/" + name); }

// Tab-separated cells of each line.
inline std::vector<std::vector<std::string>> Cells(const std::string& out) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    size_t from = 0;
    for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      rows.back().push_back(line.substr(from, tab - from));
    rows.back().push_back(line.substr(from));
  }
  return rows;
}

// The value of a "key: value" line of `info`.
inline std::string Field(const std::string& out, const std::string& key) {
  const size_t at = out.find("\n" + key + ": ");
  if (at == std::string::npos) return "<no " + key + ">";
  const size_t from = at + key.size() + 3;
  return out.substr(from, out.find('\n', from) - from);
}

// Runs `cmd sample [--flags]` and compares stdout with tests/golden/<cmd>_[flags_]<sample>.txt.
inline void ExpectGolden(const std::string& cmd, const std::string& sample, bool flags = false) {
  std::vector<std::string> args{cmd, Sample(sample)};
  if (flags) args.push_back("--flags");
  const auto run = RunCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string out = run.out;
  if (cmd == "info") {  // the golden "file:" line holds the relative name
    const std::string absolute = Sample(sample);
    ASSERT_EQ(out.rfind("file: " + absolute + "\n", 0), 0u) << out;
    out.replace(6, absolute.size(), "data/samples/" + sample);
  }
  const std::string golden =
      ReadFile(SourcePath("tests/golden/" + cmd + "_" + (flags ? "flags_" : "") + sample + ".txt"));
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(out, golden);
}

// A loopback TCP port that was free a moment ago.
inline uint16_t FreeTcpPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
  close(fd);
  return ntohs(a.sin_port);
}

// A loopback client connected to port within about seconds, else -1.
inline int ConnectTcp(uint16_t port, int seconds) {
  for (int tries = 0; tries < seconds * 20; ++tries) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) return fd;
    close(fd);
    usleep(50000);
  }
  return -1;
}

}  // namespace wl::test
