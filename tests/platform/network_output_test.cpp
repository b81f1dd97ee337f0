#include <arpa/inet.h>
#include <errno.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <vector>

#include "platform/tcp_output.h"
#include "platform/udp_output.h"

namespace wl {
namespace {

// Runs the event loop until done() or 3 s have passed.
template <typename F>
bool PumpUntil(F done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// A plain loopback client that reads only when asked; a small receive buffer makes it fill fast.
int Socket() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  const int small = 4096;
  setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  return fd;
}

int ConnectTo(int fd, uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  return fd;
}

int Connect(uint16_t port) { return ConnectTo(Socket(), port); }

// Whether the server has closed the connection; what it sent before is read and dropped.
bool Closed(int fd) {
  char buf[65536];
  ssize_t n;
  while ((n = recv(fd, buf, sizeof buf, MSG_DONTWAIT)) > 0) {
  }
  return n == 0 || errno != EAGAIN;
}

// Appends what has arrived on fd to got.
void Take(int fd, std::string& got) {
  char buf[4096];
  for (ssize_t n; (n = recv(fd, buf, sizeof buf, MSG_DONTWAIT)) > 0;) got.append(buf, static_cast<size_t>(n));
}

// Under a low descriptor limit the server refuses clients before the limit leaves it none to
// accept with (it would spin on its listening socket), and serves new ones once others leave.
TEST(TcpServerOutput, LeavesDescriptorsToSpareUnderALowLimit) {
  std::vector<int> fds(5);
  for (int& fd : fds) fd = Socket();  // the clients' own descriptors count against the same limit
  struct Limit {
    rlimit was{};
    ~Limit() { setrlimit(RLIMIT_NOFILE, &was); }  // also after a failed assertion
  } limit;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit.was), 0);
  int open = 0;
  for (int fd = 0; fd < 1024; ++fd) open += fcntl(fd, F_GETFD) != -1;
  rlimit low = limit.was;
  low.rlim_cur = static_cast<rlim_t>(open + 1 + 8 + 3);  // the listening socket, the spare ones, three clients
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  TcpServerOutput server("127.0.0.1", 0);
  std::string error;
  ASSERT_TRUE(server.Open(error)) << error;
  for (int fd : fds) ConnectTo(fd, server.Port());
  ASSERT_TRUE(PumpUntil([&] { return Closed(fds[3]) && Closed(fds[4]); }));
  EXPECT_EQ(server.Clients(), 3u);
  close(fds[0]);
  fds[0] = Connect(server.Port());
  EXPECT_TRUE(PumpUntil([&] { return server.Clients() == 3u && !Closed(fds[0]); }));
  for (int fd : fds) close(fd);
}

// Every client gets the stream and one leaving stops nothing; at most 64 are served; one that takes
// nothing is dropped once 1 MiB waits for it.
TEST(TcpServerOutput, ServesUpTo64ClientsAndDropsTheOnesThatLeaveOrTakeNothing) {
  TcpServerOutput server("127.0.0.1", 0);
  std::vector<std::string> notices;
  server.onNotice = [&](const std::string& text) { notices.push_back(text); };
  std::string error;
  ASSERT_TRUE(server.Open(error)) << error;
  const std::string name = server.Name();
  EXPECT_EQ(name, "tcp://127.0.0.1:" + std::to_string(server.Port()));
  std::vector<int> fds{Connect(server.Port())};
  server.WaitForClient();
  EXPECT_EQ(server.Clients(), 1u);
  for (size_t i = 1; i < TcpServerOutput::kMaxClients + 2; ++i) {
    fds.push_back(Connect(server.Port()));
    PumpUntil([&] { return server.Clients() == std::min(i + 1, TcpServerOutput::kMaxClients); });
  }
  ASSERT_TRUE(PumpUntil([&] { return Closed(fds[64]) && Closed(fds[65]); }));  // refused: closed at once
  EXPECT_EQ(server.Clients(), 64u);
  EXPECT_FALSE(Closed(fds[63]));
  EXPECT_EQ(notices, std::vector<std::string>{name + ": 64 clients are served, further ones are refused"});

  for (size_t i = 2; i < fds.size(); ++i) close(fds[i]);
  const std::string rmc = "$GPRMC,1*00\r\n", dbt = "$STDBT,,f,0012.3,M,,F*26\r\n";
  ASSERT_TRUE(PumpUntil([&] { return server.Send(rmc, error) && server.Clients() == 2; }));
  ASSERT_TRUE(server.Send(dbt, error));
  std::string got;
  ASSERT_TRUE(PumpUntil([&] { return Take(fds[1], got), got.ends_with(dbt); })) << got;
  EXPECT_TRUE(got.starts_with(rmc + rmc)) << got;
  close(fds[1]);
  const std::string chunk(1024, 'x');
  for (int sent = 0; sent < 16384 && server.Clients() > 0; ++sent) server.Send(chunk, error);
  EXPECT_EQ(server.Clients(), 0u);  // the first client never reads
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1].rfind("tcp client 127.0.0.1:", 0), 0u) << notices[1];
  EXPECT_NE(notices[1].find(" dropped: it has not taken the last 1 MiB of sentences"), std::string::npos);
  EXPECT_TRUE(PumpUntil([&] { return Closed(fds[0]); }));
  close(fds[0]);

  TcpServerOutput second("127.0.0.1", server.Port());  // the port is in use
  EXPECT_FALSE(second.Open(error));
  EXPECT_EQ(error.rfind("Cannot listen on " + name + ": ", 0), 0u) << error;
}

TEST(UdpOutput, OneDatagramPerSentence) {
  QUdpSocket receiver;
  ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
  UdpOutput out("127.0.0.1", receiver.localPort());
  std::string error;
  ASSERT_TRUE(out.Open(error)) << error;
  ASSERT_TRUE(out.Send("$GPRMC,1*00\r\n", error)) << error;
  ASSERT_TRUE(out.Send("$STDBT,,,0012.3,M\r\n", error)) << error;
  std::vector<std::string> got;
  ASSERT_TRUE(PumpUntil([&] {
    while (receiver.hasPendingDatagrams()) got.push_back(receiver.receiveDatagram().data().toStdString());
    return got.size() == 2;
  }));
  EXPECT_EQ(got, (std::vector<std::string>{"$GPRMC,1*00\r\n", "$STDBT,,,0012.3,M\r\n"}));

  UdpOutput nowhere("no-such-host.invalid", 10110);
  EXPECT_FALSE(nowhere.Open(error));
  EXPECT_EQ(error.rfind("Cannot send to udp://no-such-host.invalid:10110: ", 0), 0u) << error;
}

}  // namespace
}  // namespace wl
