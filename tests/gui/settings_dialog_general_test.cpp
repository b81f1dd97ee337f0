// The General tab: each check and message, the keys stored the moment they change, what the
// session's other subscribers hear, and the stored values read back at the next start.
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "settings_dialog_fixture.h"
#include "widgets/top_high_bar.h"

namespace wl::test {

class SettingsDialogGeneralTest : public QObject {
  Q_OBJECT

 private slots:
  void ChecksKeepTheFocusOrRepairTheText();
  void ChoicesAreStoredAndAnnouncedAndSurviveARestart();
  void FollowsTheSessionAndTheTrackKind();
  void SettingsShowsTheDialogThatClosingHides();
};

void SettingsDialogGeneralTest::ChecksKeepTheFocusOrRepairTheText() {
  DialogFixture d("zigzag.trt");  // the time offset is for .trt tracks
  const char* low = "The Low spead for plot colors must be a value betwen 0 and the high speed";
  const char* high = "The High spead for plot colors must be a value betwen the Low speed and 99";
  const char* order = "TWA limits should be in increasing order";
  const struct {
    const char* box;
    const char* typed;
    const char* message;  // refused: the focus stays in the box
    const char* shown;
    const char* key;
    const char* stored;
  } steps[] = {
      {"txtPltSpdHigh", "3.5", nullptr, "3.5", "PlotSpeedHigh", "3.5"},
      {"txtPltSpdLow", "4", low, "4", "PlotSpeedLow", "3.0"},  // the track's scale
      {"txtPltSpdLow", "3.5", nullptr, "3.5", "PlotSpeedLow", "3.5"},
      {"txtPltSpdHigh", "99.15", high, "99.1", "PlotSpeedHigh", "3.5"},  // one decimal at most
      {"txtPltSpdHigh", "99", nullptr, "99.0", "PlotSpeedHigh", "99.0"},
      {"txtWAmed", "40", order, "45", "WAmed", "none"},
      {"txtWAmed", "-44", nullptr, "44", "WAmed", "44"},
      {"txtWAmin", "3.9", nullptr, "39", "WAmin", "39"},  // no decimals
      {"TxtSimRate", "5", nullptr, "15", "SimRate", "15"},
      {"TxtSimRate", "1000", nullptr, "600", "SimRate", "600"},
      {"txtTimeOffset", "abc", nullptr, "02:00:00", "TimeOffset", "none"},
      {"txtTimeOffset", "2:0", nullptr, "02:00:00", "TimeOffset", "none"},  // no change: no Open
  };
  for (const auto& s : steps) {
    if (s.message) d.prompts.ExpectMessage(s.message);
    d.Type(s.box, s.typed);
    QCOMPARE(d.Text(s.box), QString(s.shown));
    QCOMPARE(d.Find(s.box)->hasFocus(), s.message != nullptr);
    QCOMPARE(d.Stored(s.key), std::string(s.stored));
  }
  d.prompts.ExpectFile("Open first file", std::nullopt);  // a new offset: read the file again
  d.Type("txtTimeOffset", "1:30");
  QCOMPARE(d.Stored("TimeOffset"), std::string("01:30:00"));
  QCOMPARE(d.session.Settings().txtTimeOffset, std::string("01:30:00"));
}

void SettingsDialogGeneralTest::ChoicesAreStoredAndAnnouncedAndSurviveARestart() {
  DialogFixture d("zigzag.trt");
  d.Announced();
  const char* reload = "This setting change only takes effect after reloading file";
  d.Click("chkPlotShowWind");
  d.Click("optWAA");
  d.Click("optPltPT");
  d.prompts.ExpectMessage(reload);
  d.Click("optTrueHDG");
  d.prompts.ExpectMessage(reload);
  d.Type("txtDfDev", "2.5");
  d.Type("txtDfDev", "2.5");  // left unchanged: no message
  d.prompts.ExpectFile("Open first file", std::nullopt);
  d.Click("chkTimeOffsetSign");
  auto* list = d.Find<QListWidget>("lstPlotShowText");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->viewport()->rect().center());
  auto* bar = d.Find<TopHighBar>("scrSimRate");
  bar->SetValue(100);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));  // its up arrow raises the rate
  QCOMPARE(d.Text("TxtSimRate"), QString("101"));
  QCOMPARE(d.Announced(), (QStringList{"PlotShowWind", "FlagWindHeading", "PlotShowData", "UseTrueHeading",
                                       "DefaultDeviation", "TimeOffsetSign", "PlotShowText", "SimRate", "SimRate"}));
  for (auto [key, text] : {std::pair{"PlotShowWind", "True"},
                           {"FlagWindHeading", "AWA"},
                           {"PlotShowData", "PT"},
                           {"UseTrueHeading", "True"},
                           {"DefaultDeviation", "2.5"},
                           {"TimeOffsetSign", "1"},
                           {"PlotShowText", "1"},
                           {"SimRate", "101"}})
    QCOMPARE(d.Stored(key), std::string(text));

  // The next start: a new session on the same file, and its dialog showing the same.
  SettingsStore store(d.path);
  ScriptedUiPrompts prompts;
  TrackSession session(store, prompts, {20000, 15000, false});
  const SettingsValues& v = session.Settings();
  QVERIFY(v.PlotShowWind && !v.FlagWindTWA && !v.pltUI && v.useTrueHeading && v.timeOffsetSign);
  QCOMPARE(v.txtDfDev + " " + v.simRate + " " + std::to_string(v.plotShowText), std::string("2.5 101 1"));
  SettingsDialog again(session);
  QVERIFY(again.findChild<QCheckBox*>("chkPlotShowWind")->isChecked());
  QVERIFY(again.findChild<QRadioButton*>("optWAA")->isChecked());
  QCOMPARE(again.findChild<QListWidget*>("lstPlotShowText")->verticalScrollBar()->value(), 1);
  QCOMPARE(again.findChild<QLineEdit*>("TxtSimRate")->text(), QString("101"));
}

void SettingsDialogGeneralTest::FollowsTheSessionAndTheTrackKind() {
  DialogFixture d("zigzag.trc");
  QVERIFY(!d.Find("txtTimeOffset")->isEnabled());  // no logger clock in a .trc track
  QCOMPARE(d.Text("txtPltSpdHigh") + " " + d.Text("txtPltSpdLow"), QString("6.0 3.0"));  // derived by the pass
  // The plot's F4 and F5 change the settings through the session.
  d.session.ChangeSetting(SettingKey::PlotShowWind,
                          [](SettingsValues& v) { v.PlotShowWind = v.chkPlotShowWind = true; });
  d.session.ChangeSetting(SettingKey::PlotShowText, [](SettingsValues& v) { v.plotShowText = 3; });
  QVERIFY(d.Find<QCheckBox>("chkPlotShowWind")->isChecked());
  QCOMPARE(d.Find<QListWidget>("lstPlotShowText")->verticalScrollBar()->value(), 3);
  QCOMPARE(d.Announced(), (QStringList{"PlotShowWind", "PlotShowText"}));  // and nothing more from the dialog
}

void SettingsDialogGeneralTest::SettingsShowsTheDialogThatClosingHides() {
  WindowHarness h;
  h.ShowActive();
  h.Click("cmdCOMSet");
  QWidget* dialog = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmControlProps") dialog = w;
  QVERIFY(dialog && dialog->isVisible() && !dialog->isModal() && !dialog->parent());
  QCOMPARE(dialog->windowTitle(), QString("Properties"));
  QVERIFY(!dialog->close());
  QVERIFY(!dialog->isVisible());
  h.Click("cmdCOMSet");
  QVERIFY(dialog->isVisible());
}

}  // namespace wl::test

QTEST_MAIN(wl::test::SettingsDialogGeneralTest)
#include "settings_dialog_general_test.moc"
