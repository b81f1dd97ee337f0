// The settings dialog over a session: each check and message, the keys stored the moment they
// change, what the session's other subscribers hear, and the port panel applied to a pty (a
// refused value leaves the port as it was).
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "session/nmea_link.h"
#include "settings/ui/settings_dialog.h"
#include "support/window_harness.h"
#include "widgets/top_high_bar.h"

namespace wl::test {

namespace {

// The dialog shown and active over a session on a fresh settings file.
struct DialogFixture : SessionFixture {
  explicit DialogFixture(const char* sample = nullptr) {
    if (sample) session.OpenFile(SamplePath(sample));
    QObject::connect(&session, &TrackSession::SettingChanged,
                     [this](SettingKey key) { announced << QString::fromLatin1(Setting(key).name); });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
  }
  template <class T = QWidget>
  T* Find(const char* name) { return Child<T>(&dialog, name); }
  QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
  void Type(const char* name, const QString& text) { test::Type(Find<QLineEdit>(name), text); }
  // On the box or button at the left, not on the empty end of a wide caption.
  void Click(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
  }
  void StoredAre(std::initializer_list<std::pair<const char*, const char*>> keys) {
    for (auto [key, text] : keys) QCOMPARE(Stored(key), std::string(text));
  }

  SettingsDialog dialog{session};
  QStringList announced;
};

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ChecksKeepTheFocusOrRepairTheTextAndChoicesSurviveARestart() {
    DialogFixture d("zigzag.trt");  // the time offset is for .trt tracks
    for (const QStringList& c : Cases("settings_checks.txt")) {
      if (!c[2].isEmpty()) d.prompts.ExpectMessage(c[2].toStdString());
      d.Type(qPrintable(c[0]), c[1]);
      QCOMPARE(d.Text(qPrintable(c[0])), c[3]);
      QCOMPARE(d.Find(qPrintable(c[0]))->hasFocus(), !c[2].isEmpty());
      QCOMPARE(d.Stored(qPrintable(c[4])), c[5].toStdString());
    }
    const SettingsValues& v = d.session.Settings();
    QCOMPARE(v.windDir + " " + v.dpt + " " + v.logSpd, std::string("40 100 0"));
    d.prompts.ExpectFile("Open first file", std::nullopt);  // a new offset: read the file again
    d.Type("txtTimeOffset", "1:30");
    QCOMPARE(d.Stored("TimeOffset"), std::string("01:30:00"));

    // Choices are stored and announced, and the next start's dialog shows them.
    d.announced.clear();
    const char* reload = "This setting change only takes effect after reloading file";
    d.Click("chkPlotShowWind");
    d.Click("optWAA");
    d.prompts.ExpectMessage(reload);
    d.Click("optTrueHDG");
    d.prompts.ExpectMessage(reload);
    d.Type("txtDfDev", "2.5");
    d.Type("txtDfDev", "2.5");  // left unchanged: no message
    auto* list = d.Find<QListWidget>("lstPlotShowText");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->viewport()->rect().center());
    auto* bar = d.Find<TopHighBar>("scrSimRate");
    bar->SetValue(100);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));  // its up arrow raises the rate
    QCOMPARE(d.Text("TxtSimRate"), QString("101"));
    QCOMPARE(d.announced, (QStringList{"PlotShowWind", "FlagWindHeading", "UseTrueHeading", "DefaultDeviation",
                                       "PlotShowText", "SimRate", "SimRate"}));
    d.StoredAre({{"PlotShowWind", "True"}, {"FlagWindHeading", "AWA"}, {"UseTrueHeading", "True"},
                 {"DefaultDeviation", "2.5"}, {"PlotShowText", "1"}, {"SimRate", "101"}});
    SettingsStore store(d.path);
    TrackSession session(store, d.prompts, {20000, 15000, false});
    SettingsDialog again(session);
    QVERIFY(again.findChild<QRadioButton*>("optWAA")->isChecked());
    QCOMPARE(again.findChild<QLineEdit*>("TxtSimRate")->text(), QString("101"));
  }

  void SettingsButtonShowsTheDialogThatClosingHides() {
    WindowHarness h;
    h.ShowActive();
    h.Click("cmdCOMSet");
    SettingsDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) dialog = dialog ? dialog : qobject_cast<SettingsDialog*>(w);
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal() && !dialog->parent());
    auto* tabs = dialog->findChild<QTabWidget*>("TabProp");
    tabs->setCurrentIndex(2);
    QVERIFY(tabs->widget(2)->isVisible() && !tabs->widget(0)->isVisible());
    QVERIFY(!dialog->close());
    QVERIFY(!dialog->isVisible());
    h.Click("cmdCOMSet");
    QVERIFY(dialog->isVisible());
  }

  // The rest of the program reads the checked values: a text typed and not yet checked must not
  // wait for a click inside the dialog.
  void ATypedTextIsCheckedWhenTheDialogIsLeft() {
    DialogFixture d;
    auto showAgain = [&d] {
      d.dialog.show();
      QApplication::setActiveWindow(&d.dialog);
      QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    };
    test::Type(d.Find<QLineEdit>("TxtSimRate"), "120", false);
    d.dialog.close();
    QCOMPARE(d.session.Settings().simRate + " " + d.Stored("SimRate"), std::string("120 120"));

    showAgain();
    d.Find("txtPltSpdHigh")->setFocus();
    d.dialog.close();  // only passed through: the derived speed scale stays free
    QCOMPARE(d.Stored("PlotSpeedHigh"), std::string("none"));

    showAgain();
    d.prompts.ExpectMessage("The High spead for plot colors must be a value betwen the Low speed and 99");
    test::Type(d.Find<QLineEdit>("txtPltSpdHigh"), "150", false);
    d.dialog.close();
    QCOMPARE(d.Stored("PlotSpeedHigh"), std::string("none"));
  }

  void FollowsTheSessionAndTheTrackKindAndKeepsTheNmeaChoices() {
    DialogFixture d("zigzag.trc");
    QVERIFY(!d.Find("txtTimeOffset")->isEnabled());  // no logger clock in a .trc track
    QCOMPARE(d.Text("txtPltSpdHigh") + " " + d.Text("txtPltSpdLow"), QString("6.0 3.0"));  // derived by the pass
    // The plot's F4 and F5 change the settings through the session.
    d.session.ChangeSetting(SettingKey::PlotShowWind,
                            [](SettingsValues& v) { v.PlotShowWind = v.chkPlotShowWind = true; });
    d.session.ChangeSetting(SettingKey::PlotShowText, [](SettingsValues& v) { v.plotShowText = 3; });
    QVERIFY(d.Find<QCheckBox>("chkPlotShowWind")->isChecked());
    QCOMPARE(d.Find<QListWidget>("lstPlotShowText")->verticalScrollBar()->value(), 3);
    QCOMPARE(d.announced, (QStringList{"PlotShowWind", "PlotShowText"}));  // and nothing more from the dialog

    // The NMEA choices live in the session or are stored.
    // The output is enabled last: a TCP server would listen on ports other programs may hold.
    d.Click("optVWR");
    const SettingsValues& v = d.session.Settings();
    QVERIFY(v.windSentence == WindSentence::VWR);
    d.prompts.ExpectMessage("Not implemented");
    d.Click("optMWD");
    QVERIFY(d.Find<QRadioButton>("optMWV")->isChecked() && v.windSentence == WindSentence::MWV);
    d.Click("optVWR");
    QVERIFY(!d.Find("txtNMEATcpPort")->isEnabled());
    d.Find<QComboBox>("cboNMEAOutput")->setCurrentIndex(1);
    d.prompts.ExpectMessage("The TCP port must be a whole number from 1 to 65535");
    d.Type("txtNMEATcpPort", "70000");
    QVERIFY(d.Find("txtNMEATcpPort")->hasFocus());
    d.Type("txtNMEATcpPort", "10111");
    d.Find<QComboBox>("cboNMEAOutput")->setCurrentIndex(2);
    d.prompts.ExpectMessage("The UDP target must be HOST:PORT with a port from 1 to 65535, such as 127.0.0.1:10110");
    d.Type("txtNMEAUdpTarget", "boat");
    d.Type("txtNMEAUdpTarget", "192.168.1.255:2000");
    d.Click("chkNMEAout");
    QVERIFY(v.nmeaOut);
    d.Click("chkNMEAHeading");
    d.StoredAre({{"chkNMEAout", "none"}, {"NMEAOutput", "UDP"}, {"NMEATcpPort", "10111"}, {"NMEAHeading", "True"}});
    QCOMPARE(d.session.Link().Name(), std::string("udp://192.168.1.255:2000"));

    // A click on the dialog's background applies the port's values.
    d.Find<QLineEdit>("txtCommPort")->setText("5");
    QTest::mouseClick(&d.dialog, Qt::LeftButton, {}, QPoint(2, d.dialog.height() - 2));
    QCOMPARE(d.session.Link().CommPort(), std::string("5"));
  }

  void PortPanelAppliesOrKeepsThePortAndStoresWhatIsShown() {
    int master = -1, slave = -1;
    QVERIFY(openpty(&master, &slave, nullptr, nullptr, nullptr) == 0);
    const QString pty = ttyname(slave);
    auto speed = [slave] {
      termios t{};
      tcgetattr(slave, &t);
      return cfgetospeed(&t);
    };
    DialogFixture d;
    NmeaLink& link = d.session.Link();
    QSignalSpy changed(&link, &NmeaLink::OutputChanged);
    auto menu = [&](const char* item) { d.dialog.findChild<QMenuBar*>()->findChild<QAction*>(item)->trigger(); };
    auto set = [&](const char* box, const QString& text) { d.Find<QLineEdit>(box)->setText(text); };
    set("txtCommPort", pty);
    std::string error;
    QVERIFY2(link.Output().Open(error), error.c_str());
    set("txtSettings", "9600, n, 8, 1");
    menu("mnuValuesOnly");
    QCOMPARE(speed(), speed_t{B9600});
    set("txtSettings", "19200, n, 8, 1");
    set("txtCommPort", "/dev/null");
    d.prompts.ExpectMessage("/dev/null is not a serial port\r\nThe port keeps its values.");
    menu("mnuValuesOnly");
    QVERIFY(link.Output().IsOpen());
    QCOMPARE(speed(), speed_t{B9600});
    QCOMPARE(QString::fromStdString(link.CommPort()), pty);
    QCOMPARE(changed.count(), 1);  // the refused values announce nothing

    set("txtCommPort", pty);
    set("txtSettings", "9600, n, 8, 1");
    menu("mnuValuesSave");
    SettingsStore stored(d.path);
    QCOMPARE(stored.Get("Properties", "CommPort", "none") + " " + stored.Get("Properties", "Settings", "none"),
             pty.toStdString() + " 9600, n, 8, 1");
    link.Output().Close();
    auto shown = [&] { return d.Text("txtCommPort") + " " + d.Text("txtSettings") + " " + d.Text("txtHandshaking"); };
    menu("mnuValuesSet");
    QCOMPARE(shown(), QString("1 4800, n, 8, 1 2"));
    menu("mnuValuesLoad");
    QCOMPARE(shown(), pty + " 9600, n, 8, 1 2");
    QCOMPARE(QString::fromStdString(link.CommPort()), pty);

    auto* advanced = d.Find<QPushButton>("cmdAdvancedSettings");
    d.Find<QTabWidget>("TabProp")->setCurrentIndex(2);
    for (const char* caption : {"<< Simple", "Advanced >>"}) {
      advanced->click();
      QCOMPARE(advanced->text(), QString(caption));
      QCOMPARE(d.Find("txtSettings")->isVisible(), caption[0] == '<');
    }
    close(master);
    close(slave);
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::SettingsDialogTest)
#include "settings_dialog_test.moc"
