// The main window as laid out: controls, layout, window menu, stored geometry, the tack angle box
// and the progress label.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "mainwin/twips.h"
#include "support/window_harness.h"

namespace wl::test {

namespace {

QRect Twips(const QWidget* w, int left, int top, int width, int height) {
  return {TwipsToPx(left, w), TwipsToPx(top, w), TwipsToPx(width, w), TwipsToPx(height, w)};
}

std::string Stored(WindowHarness& h, const char* key, const char* fallback = "none") {
  return SettingsStore(h.ConfigFile()).Get("Settings", key, fallback);
}

}  // namespace

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsAsDesigned();
  void LayoutAndWindowMenu();
  void GeometryIsStoredAtCloseAndRestoredAtStart();
  void TackAngleIsCheckedWhenLeft();
};

void MainWindowLayoutTest::ControlsAsDesigned() {
  WindowHarness h;
  MainWindow& w = h.window();
  QCOMPARE(w.objectName(), QString("frmMain"));
  QCOMPARE(w.windowTitle(), QString("Wakeline  V1.1.129"));
  struct Button {
    const char *name, *caption, *tip;
    int left, top;
    bool enabled;
  };
  const Button buttons[] = {
      {"CommandOpenInput", "Open Inputfile", "Opens a .trc or .trt file", 6360, 0, true},
      {"cmdPlot", "Plot Route", "Open Plot View", 6360, 480, false},
      {"CommandSave", "Save", "Saves the data as listed below", 6360, 960, true},
      {"cmdShowComments", "Comments",
       "In .trt files you can have comment lines, starting with '/*'; if there are any, this button will display them",
       6360, 1560, true},
      {"cmdDelFile", "Delete Open File", "Completely removes the current file", 8160, 0, false},
      {"CmdShowTack", "List Tack Data", "Lists the Tacks with their information", 8160, 480, false},
      {"cmdCOMSet", "Settings", "Show/Modify settings for Plot and Simulation", 8160, 1560, true},
      {"cmdListDist", "List Tracks", "Lists the tracks and distances in a selected Folder", 9960, 0, true},
  };
  for (const Button& b : buttons) {
    auto* button = h.Find<QPushButton>(b.name);
    QCOMPARE(button->text(), QString(b.caption));
    QCOMPARE(button->toolTip(), QString(b.tip));
    QCOMPARE(button->geometry(), Twips(&w, b.left, b.top, 1695, 375));
    QCOMPARE(button->isEnabled(), b.enabled);
  }
  QCOMPARE(h.Find<QRadioButton>("OptionTrackWpts")->text(), QString("Output track waypoints only"));
  // Captions wider in the font than in their place grow to the right.
  const QRect option = h.Find<QRadioButton>("OptionTrackWpts")->geometry();
  QCOMPARE(option.topLeft(), Twips(&w, 8160, 1260, 2295, 255).topLeft());
  QVERIFY(option.width() >= TwipsToPx(2295, &w));
  QCOMPARE(h.Find<QLabel>("Label1")->text(), QString("Turn angle which marks a new Tack 15-60 or  0"));
  QCOMPARE(h.Find<QLabel>("Outputfiletag")->text(), QString("Outputfile: "));
  QCOMPARE(h.Find<QLabel>("Inputfilenaam")->geometry(), Twips(&w, 1080, 120, 5085, 555));
  QCOMPARE(h.Find<QLineEdit>("TackAngle")->text(), QString("30"));
  QCOMPARE(h.Find<QLineEdit>("TackAngle")->geometry(), Twips(&w, 5280, 1560, 855, 375));

  // First start: the default size, centred; SimRate written back at start, the geometry not yet.
  const QRect screen = w.screen()->geometry();
  QCOMPARE(w.size(), QSize(TwipsToPx(11850, &w), TwipsToPx(7000, &w)));
  QVERIFY(std::abs(w.x() - (screen.width() - w.width()) / 2) <= 1);
  QVERIFY(std::abs(w.y() - (screen.height() - w.height()) / 2) <= 1);
  QCOMPARE(Stored(h, "SimRate"), std::string("60"));
  QCOMPARE(Stored(h, "MainWidth"), std::string("none"));

  // The progress label is painted during the pass and cleared after it.
  h.ShowActive();
  auto* label = h.Find<QLabel>("lblProgress");
  PaintedTexts spy(label);
  h.Open(SamplePath("zigzag.trt"));
  QVERIFY(spy.texts.contains("100") && spy.texts.contains("99"));
  QCOMPARE(label->text(), QString());
}

void MainWindowLayoutTest::LayoutAndWindowMenu() {
  WindowHarness h;
  MainWindow& w = h.window();
  h.ShowActive();
  w.resize(1000, 700);
  QTRY_COMPARE(w.size(), QSize(1000, 700));
  const int margin = TwipsToPx(75, &w), top = TwipsToPx(2040, &w);
  QCOMPARE(h.Grid()->geometry(), QRect(margin, top, 1000 - 2 * margin, 700 - top - margin));
  w.resize(100, 100);
  QTRY_COMPARE(w.size(), QSize(TwipsToPx(10600, &w), TwipsToPx(4500, &w)));
  QCOMPARE(h.Grid()->geometry().bottom(), w.height() - margin - 1);

  // The window menu opens on the free surface only, not over a control.
  auto* menu = h.Find<QMenu>("mnuOptions");
  QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(TwipsToPx(2000, &w), TwipsToPx(200, &w)));
  QVERIFY(!menu->isVisible());
  QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(TwipsToPx(300, &w), TwipsToPx(1700, &w)));
  QVERIFY(menu->isVisible());
  QCOMPARE(menu->title(), QString("Options"));
  auto* center = menu->findChild<QAction*>("mnuOptionsMv");
  auto* size = menu->findChild<QAction*>("mnuOptionsSz");
  QCOMPARE(center->text(), QString("&Center window"));
  QCOMPARE(size->text(), QString("&Size window to default"));
  h.CloseMenus();

  w.resize(1100, 650);
  w.move(3, 4);
  QTRY_COMPARE(w.size(), QSize(1100, 650));
  size->trigger();
  QTRY_COMPARE(w.size(), QSize(TwipsToPx(11850, &w), TwipsToPx(7000, &w)));
  center->trigger();
  QTRY_COMPARE(w.frameGeometry().center(), w.screen()->geometry().center());
}

void MainWindowLayoutTest::GeometryIsStoredAtCloseAndRestoredAtStart() {
  WindowHarness h;
  h.ShowActive();
  h.window().move(40, 50);
  h.window().resize(900, 600);
  QTRY_COMPARE(h.window().size(), QSize(900, 600));
  QVERIFY(h.window().close());
  QCOMPARE(std::stod(Stored(h, "MainWidth", "0")), PxToTwips(900, &h.window()));
  if (h.window().logicalDpiX() == 96) {
    QCOMPARE(Stored(h, "MainLeft"), std::string("600"));
    QCOMPARE(Stored(h, "MainTop"), std::string("750"));
    QCOMPARE(Stored(h, "MainHeight"), std::string("9000"));
  }
  h.Restart();
  QCOMPARE(h.window().pos(), QPoint(40, 50));
  QCOMPARE(h.window().size(), QSize(900, 600));
}

void MainWindowLayoutTest::TackAngleIsCheckedWhenLeft() {
  WindowHarness h;
  h.ShowActive();
  auto* box = h.Find<QLineEdit>("TackAngle");
  auto type = [&](const char* text, bool leave = true) {
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, text);
    if (leave) QTest::keyClick(box, Qt::Key_Tab);
  };
  const std::string message = "TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis";
  h.Open(SamplePath("zigzag.trt"));
  h.prompts.Clear();

  type("70", false);
  h.Click("CommandOpenInput");  // the click that would leave the box does not reach the button
  QCOMPARE(h.prompts.Texts(), std::vector<std::string>{message});
  QCOMPARE(h.prompts.asked.size(), size_t{1});
  QTRY_VERIFY(box->hasFocus());
  QCOMPARE(Stored(h, "TackAngle"), std::string("none"));

  type("14.9");
  QCOMPARE(h.prompts.Texts().size(), size_t{2});
  QTRY_VERIFY(box->hasFocus());
  QCOMPARE(box->text(), QString("14.9"));

  // 0 switches tack analysis off; 60 is still allowed.
  h.prompts.Clear();
  type("0 degrees");
  QCOMPARE(box->text(), QString("0"));
  QCOMPARE(Stored(h, "TackAngle"), std::string("0"));
  for (int row = 0; row < h.Rows(); ++row) QVERIFY(!h.Grid()->model()->index(row, 4).data(Qt::BackgroundRole).isValid());
  type("60");
  QVERIFY(h.prompts.asked.empty());
  QCOMPARE(Stored(h, "TackAngle"), std::string("60"));

  // Leaving the box enables the plot button even for a track it refused.
  h.Open(SamplePath("empty.trc"));
  QVERIFY(!h.Find<QPushButton>("cmdPlot")->isEnabled());
  type("30");
  QVERIFY(h.Find<QPushButton>("cmdPlot")->isEnabled());
  h.Restart();
  QCOMPARE(h.Find<QLineEdit>("TackAngle")->text(), QString("30"));
}

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowLayoutTest)
#include "main_window_layout_test.moc"
