// The NMEA tab: the simulated instruments kept in range, the sentence choices in the session,
// and the output choices stored the moment they change.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "session/nmea_link.h"
#include "settings_dialog_fixture.h"
#include "widgets/top_high_bar.h"

namespace wl::test {

class SettingsDialogNmeaTest : public QObject {
  Q_OBJECT

 private slots:
  void InstrumentsAndSentences();
  void OutputChoicesAreStored();
  void ABackgroundClickAppliesThePortValues();
};

void SettingsDialogNmeaTest::InstrumentsAndSentences() {
  DialogFixture d;
  const struct {
    const char* box;
    const char* typed;
    const char* shown;
    const char* bar;
    int barValue;
  } cases[] = {{"txtWindDir", "400", "40", "scrWindDir", 40},
               {"txtDpt", "150", "100", "scrDpt", 100},
               {"txtLogSpd", "x", "0", "scrLogSpd", 0},
               {"txtHdgVar", "x", "0", nullptr, 0}};
  for (const auto& c : cases) {
    d.Type(c.box, c.typed);
    QCOMPARE(d.Text(c.box), QString(c.shown));
    if (c.bar) QCOMPARE(d.Find<TopHighBar>(c.bar)->Value(), c.barValue);
  }
  d.Find<TopHighBar>("scrWindSpd")->SetValue(20);
  const SettingsValues& v = d.session.Settings();
  QCOMPARE(v.windDir + " " + v.dpt + " " + v.logSpd + " " + v.hdgVar + " " + v.windSpd, std::string("40 100 0 0 20"));

  d.Click("chkNMEAout");
  d.Click("chkDepth");
  d.prompts.ExpectMessage("Not implemented");
  d.Click("optMWD");
  QVERIFY(d.Find<QRadioButton>("optMWV")->isChecked());
  QVERIFY(v.windSentence == WindSentence::MWV);
  d.Click("optVWR");
  QVERIFY(v.nmeaOut && v.depth && !v.vhw && v.windSentence == WindSentence::VWR);
  QCOMPARE(d.Stored("chkNMEAout"), std::string("none"));  // these live for the run only
}

void SettingsDialogNmeaTest::OutputChoicesAreStored() {
  DialogFixture d;
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
  d.Click("chkNMEAChecksumAll");
  d.Click("chkNMEATimeSource");
  d.Click("chkNMEAHeading");
  d.Click("chkNMEATrueWind");
  QCOMPARE(d.Announced(), (QStringList{"NMEAOutput", "NMEATcpPort", "NMEAOutput", "NMEAUdpTarget", "NMEAChecksumAll",
                                       "NMEATimeSource", "NMEAHeading", "NMEATrueWind"}));
  for (auto [key, text] : {std::pair{"NMEAOutput", "UDP"},
                           {"NMEATcpPort", "10111"},
                           {"NMEAUdpTarget", "192.168.1.255:2000"},
                           {"NMEAChecksumAll", "False"},
                           {"NMEATimeSource", "track"},
                           {"NMEAHeading", "True"},
                           {"NMEATrueWind", "True"}})
    QCOMPARE(d.Stored(key), std::string(text));
  QCOMPARE(d.session.Link().Name(), std::string("udp://192.168.1.255:2000"));
}

void SettingsDialogNmeaTest::ABackgroundClickAppliesThePortValues() {
  DialogFixture d;
  d.Find<QLineEdit>("txtCommPort")->setText("5");
  QTest::mouseClick(&d.dialog, Qt::LeftButton, {}, QPoint(2, d.dialog.height() - 2));
  QCOMPARE(d.session.Link().CommPort(), std::string("5"));
  QVERIFY(d.Find("chkNMEAout")->hasFocus());
}

}  // namespace wl::test

QTEST_MAIN(wl::test::SettingsDialogNmeaTest)
#include "settings_dialog_nmea_test.moc"
