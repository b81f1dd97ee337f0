#include <gtest/gtest.h>

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
  std::vector<ProcRec> recs(8);  // 13 ticks at 50 ms
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
    if (++ticks == 6) {
      sentBeforeLeaving = tee.sent.size();
      PumpUntil([&] { return gotB.size() >= static_cast<qsizetype>(sentBeforeLeaving); });
      b.abort();
    }
    return true;
  };
  ASSERT_TRUE(RunReplay(replay, sender, error)) << error;
  EXPECT_EQ(ticks, 13);
  ASSERT_TRUE(PumpUntil([&] { return gotA.size() >= static_cast<qsizetype>(tee.sent.size()); }));
  EXPECT_EQ(gotA.toStdString(), tee.sent);
  EXPECT_EQ(gotB.toStdString(), tee.sent.substr(0, sentBeforeLeaving));
  EXPECT_EQ(server.Clients(), 1u);

  TcpServerOutput second("127.0.0.1", server.Port());  // the port is in use
  EXPECT_FALSE(second.Open(error));
  EXPECT_EQ(error.rfind("Cannot listen on tcp://127.0.0.1:" + std::to_string(server.Port()) + ": ", 0), 0u)
      << error;
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
