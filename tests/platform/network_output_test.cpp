#include <arpa/inet.h>
#include <errno.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>
#include <memory>
#include <vector>

#include "nmea/replay_runner.h"
#include "platform/qt_event_waiter.h"
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
int Connect(uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  const int small = 4096;
  setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  return fd;
}

// Whether the server has closed the connection; what it sent before is read and dropped.
bool Closed(int fd) {
  char buf[65536];
  ssize_t n;
  while ((n = recv(fd, buf, sizeof buf, MSG_DONTWAIT)) > 0) {
  }
  return n == 0 || errno != EAGAIN;
}

// Records what goes through to the real output.
class Tee : public NmeaOutput {
 public:
  explicit Tee(NmeaOutput& out) : out_(out) {}
  bool IsOpen() const override { return out_.IsOpen(); }
  bool Open(std::string& error) override { return out_.Open(error); }
  void Close() override { out_.Close(); }
  bool Send(std::string_view bytes, std::string& error) override {
    sent.append(bytes);
    return out_.Send(bytes, error);
  }
  std::string sent;

 private:
  NmeaOutput& out_;
};

TEST(TcpServerOutput, EveryClientGetsTheStreamAndALeavingOneStopsNothing) {
  TcpServerOutput server("127.0.0.1", 0);
  std::string error;
  ASSERT_TRUE(server.Open(error)) << error;
  EXPECT_EQ(server.Name(), "tcp://127.0.0.1:" + std::to_string(server.Port()));
  QTcpSocket a, b;
  a.connectToHost("127.0.0.1", server.Port());
  b.connectToHost("127.0.0.1", server.Port());
  ASSERT_TRUE(PumpUntil([&] {
    return a.state() == QAbstractSocket::ConnectedState && b.state() == QAbstractSocket::ConnectedState;
  }));
  QByteArray gotA, gotB;
  QObject::connect(&a, &QTcpSocket::readyRead, [&] { gotA += a.readAll(); });
  QObject::connect(&b, &QTcpSocket::readyRead, [&] { gotB += b.readAll(); });

  SettingsValues settings;
  settings.nmeaOut = settings.depth = true;
  SeededRandom random(1);
  FixedClock clock(45000);
  Tee tee(server);
  NmeaSender sender{settings, false, tee, random, clock};
  std::vector<ProcRec> recs(8);  // 7 ticks at 50 ms
  for (int i = 0; i < 8; ++i) {
    recs[i].Pos = {3240000 + 50 * i, 600000};
    recs[i].uiSOG = 6;
    recs[i].CumTime = static_cast<float>(i * 30 / 3600.0);
  }
  Replay replay;
  replay.recs = recs.data();
  replay.count = static_cast<int32_t>(recs.size());
  replay.rate = 600;
  QtEventWaiter waiter;
  replay.waiter = &waiter;
  size_t sentBeforeLeaving = 0;
  int ticks = 0;
  replay.onTick = [&](const ReplayTick&) {
    if (++ticks == 4) {
      sentBeforeLeaving = tee.sent.size();
      PumpUntil([&] { return gotB.size() >= static_cast<qsizetype>(sentBeforeLeaving); });
      b.abort();
    }
    return true;
  };
  ASSERT_TRUE(RunReplay(replay, sender, error)) << error;
  EXPECT_EQ(ticks, 7);
  ASSERT_TRUE(PumpUntil([&] { return gotA.size() >= static_cast<qsizetype>(tee.sent.size()); }));
  EXPECT_EQ(gotA.toStdString(), tee.sent);
  EXPECT_EQ(gotB.toStdString(), tee.sent.substr(0, sentBeforeLeaving));
  EXPECT_EQ(server.Clients(), 1u);

  TcpServerOutput second("127.0.0.1", server.Port());  // the port is in use
  EXPECT_FALSE(second.Open(error));
  EXPECT_EQ(error.rfind("Cannot listen on tcp://127.0.0.1:" + std::to_string(server.Port()) + ": ", 0), 0u)
      << error;
}

TEST(TcpServerOutput, BoundsClientsAndWhatAClientLeavesUntaken) {
  TcpServerOutput server("127.0.0.1", 0);
  std::vector<std::string> notices;
  server.onNotice = [&](const std::string& text) { notices.push_back(text); };
  std::string error;
  ASSERT_TRUE(server.Open(error)) << error;
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
  const std::string name = server.Name();
  EXPECT_EQ(notices, std::vector<std::string>{name + ": 64 clients are served, further ones are refused"});

  for (size_t i = 1; i < fds.size(); ++i) close(fds[i]);
  const std::string chunk(1024, 'x');
  for (int sent = 0; sent < 16384 && server.Clients() > 0; ++sent) server.Send(chunk, error);
  EXPECT_EQ(server.Clients(), 0u);  // the first client never reads
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1].rfind("tcp client 127.0.0.1:", 0), 0u) << notices[1];
  EXPECT_NE(notices[1].find(" dropped: it has not taken the last 1 MiB of sentences"), std::string::npos);
  EXPECT_TRUE(PumpUntil([&] { return Closed(fds[0]); }));
  close(fds[0]);

  const int late = Connect(server.Port());  // still accepting
  ASSERT_TRUE(PumpUntil([&] { return server.Clients() == 1; }));
  ASSERT_TRUE(server.Send("$GPRMC*00\r\n", error));
  char buf[16];
  pollfd p{late, POLLIN, 0};
  ASSERT_TRUE(PumpUntil([&] { return poll(&p, 1, 0) == 1; }));
  EXPECT_EQ(std::string(buf, static_cast<size_t>(read(late, buf, sizeof buf))), "$GPRMC*00\r\n");
  close(late);
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
