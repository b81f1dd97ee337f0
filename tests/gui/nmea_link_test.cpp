// The session's sentence output: the port panel applied to a pty (close, apply, reopen; a refused
// value leaves the port as it was), the stored properties at start, and the TCP server that
// listens from the moment it is chosen and enabled.
#include "session/nmea_link.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "settings/port_keys.h"
#include "settings_dialog_fixture.h"

namespace wl::test {

namespace {

struct Pty {
  Pty() {
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) qFatal("no pty");
    name = ttyname(slave);
  }
  ~Pty() {
    close(master);
    close(slave);
  }
  speed_t Speed() const {
    termios t{};
    tcgetattr(slave, &t);
    return cfgetospeed(&t);
  }
  int master = -1, slave = -1;
  QString name;
};

}  // namespace

class NmeaLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void PortPanelAppliesStoresAndRecommends();
  void TheTcpServerListensOnceChosenAndEnabled();
};

void NmeaLinkTest::PortPanelAppliesStoresAndRecommends() {
  Pty pty;
  DialogFixture d;
  NmeaLink& link = d.session.Link();
  QSignalSpy changed(&link, &NmeaLink::OutputChanged);
  auto menu = [&](const char* item) { d.dialog.findChild<QMenuBar*>()->findChild<QAction*>(item)->trigger(); };
  auto set = [&](const char* box, const QString& text) { d.Find<QLineEdit>(box)->setText(text); };
  const QString refused = "\r\nThe port keeps its values.";

  set("txtCommPort", pty.name);
  menu("mnuValuesOnly");
  QVERIFY(!link.Output().IsOpen());  // a closed port stays closed
  std::string error;
  QVERIFY2(link.Output().Open(error), error.c_str());
  set("txtSettings", "9600, n, 8, 1");
  menu("mnuValuesOnly");
  QVERIFY(link.Output().IsOpen());
  QCOMPARE(pty.Speed(), speed_t{B9600});
  QCOMPARE(link.LineSpeed().value_or(0), 9600);

  set("txtSettings", "9600, x, 8, 1");
  d.prompts.ExpectMessage(("Settings: \"9600, x, 8, 1\" parity must be n, e, o, m or s" + refused).toStdString());
  menu("mnuValuesOnly");
  set("txtSettings", "19200, n, 8, 1");
  set("txtCommPort", "/dev/null");
  d.prompts.ExpectMessage(("/dev/null is not a serial port" + refused).toStdString());
  menu("mnuValuesOnly");
  QVERIFY(link.Output().IsOpen());
  QCOMPARE(pty.Speed(), speed_t{B9600});
  QCOMPARE(QString::fromStdString(link.CommPort()), pty.name);
  QCOMPARE(changed.count(), 2);

  // Stored as shown; recommended; the stored set back, as at the next start.
  link.Output().Close();
  set("txtCommPort", pty.name);
  set("txtSettings", "9600, n, 8, 1");
  auto* advanced = d.Find<QPushButton>("cmdAdvancedSettings");
  advanced->click();  // the other twelve rows
  QCOMPARE(advanced->text(), QString("<< Simple"));
  set("txtInputMode", "");
  QTest::keyClicks(d.Find<QLineEdit>("txtInputMode"), "b");
  QCOMPARE(d.Text("txtInputMode"), QString("1 - Binary Mode"));
  menu("mnuValuesSave");
  QCOMPARE(SettingsStore(d.path).Get("Properties", "InputMode", "none"), std::string("1 - Binary Mode"));
  menu("mnuValuesSet");
  QStringList shown;
  for (const PortRow& row : kPortRows) shown << d.Text(row.box);
  QCOMPARE(shown, (QStringList{"1", "True", "2", "1024", "0", "0 - Text Mode", "True", "1024", "?", "1", "True",
                               "4800, n, 8, 1", "1"}));
  menu("mnuValuesLoad");
  QCOMPARE(d.Text("txtCommPort") + " " + d.Text("txtInputMode"), pty.name + " 1 - Binary Mode");
  QCOMPARE(link.Properties().InputMode, 1);
  SettingsStore store(d.path);
  ScriptedUiPrompts prompts;
  TrackSession next(store, prompts, {20000, 15000, false});
  QCOMPARE(QString::fromStdString(next.Link().CommPort()), pty.name);
  QCOMPARE(next.Link().Properties().Settings, std::string("9600, n, 8, 1"));

  advanced->click();
  QCOMPARE(advanced->text(), QString("Advanced >>"));
  QVERIFY(!d.Find("frmAdvancedCom")->isVisible());
}

void NmeaLinkTest::TheTcpServerListensOnceChosenAndEnabled() {
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

}  // namespace wl::test

QTEST_MAIN(wl::test::NmeaLinkTest)
#include "nmea_link_test.moc"
