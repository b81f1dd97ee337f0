// The session's sentence output over TCP: the server listens from the moment it is chosen and
// enabled, and a plotter that connects gets what is sent.
#include "session/nmea_link.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

class NmeaLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void TheTcpServerListensOnceChosenAndEnabled() {
    SessionFixture f;
    NmeaLink& link = f.session.Link();
    QCOMPARE(link.LineSpeed().value_or(0), 4800);
    uint16_t port = 0;
    {
      QTcpServer probe;  // a port free at this moment
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      port = probe.serverPort();
    }
    QSignalSpy changed(&link, &NmeaLink::OutputChanged);
    f.session.ChangeSettings({SettingKey::NMEATcpPort, SettingKey::NMEAOutput}, [&](SettingsValues& v) {
      v.nmeaTcpPort = port;
      v.nmeaOutput = NmeaOutputKind::Tcp;
    });
    QCOMPARE(changed.count(), 2);
    QVERIFY(!link.Output().IsOpen());  // not yet enabled
    QVERIFY(!link.LineSpeed());
    f.session.ChangeSetting(SettingKey::NMEAOut, [](SettingsValues& v) { v.nmeaOut = true; });
    QVERIFY(link.Output().IsOpen());
    QCOMPARE(link.Name(), "tcp://0.0.0.0:" + std::to_string(port));

    QTcpSocket plotter;  // connects before anything is sent
    plotter.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(plotter.waitForConnected(2000));
    QTest::qWait(50);
    std::string error;
    QVERIFY(link.Output().Send("$GPRMC*00\r\n", error));
    QVERIFY(plotter.waitForReadyRead(2000));
    QCOMPARE(plotter.readAll(), QByteArray("$GPRMC*00\r\n"));

    f.session.ChangeSetting(SettingKey::NMEAOutput, [](SettingsValues& v) { v.nmeaOutput = NmeaOutputKind::Udp; });
    QCOMPARE(changed.count(), 3);
    QVERIFY(plotter.state() == QAbstractSocket::UnconnectedState || plotter.waitForDisconnected(2000));
    QCOMPARE(link.Name(), std::string("udp://127.0.0.1:10110"));
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::NmeaLinkTest)
#include "nmea_link_test.moc"
