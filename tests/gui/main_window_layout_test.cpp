// The main window as laid out: the progress label, every caption whole at the smallest size, the
// window menu, stored geometry and the tack angle box.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "support/window_harness.h"
#include "widgets/twips.h"

namespace wl::test {

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void ProgressIsPaintedDuringThePass() {
    WindowHarness h;
    h.ShowActive();
    auto* label = h.Find<QLabel>("lblProgress");
    PaintedTexts spy(label);
    h.Open(SamplePath("zigzag.trt"));
    QVERIFY(spy.texts.contains("100") && spy.texts.contains("99"));
    QCOMPARE(label->text(), QString());
  }

  void CaptionsWholeAndWindowMenu() {
    WindowHarness h;
    MainWindow& w = h.window();
    h.ShowActive();
    w.resize(100, 100);
    QTRY_COMPARE(w.size(), w.minimumSize());
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isWindow() || control == h.Grid()) continue;
      QVERIFY2(CaptionWhole(control) && w.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }

    // The window menu opens on the free surface only, not over a control.
    auto* menu = h.Find<QMenu>("mnuOptions");
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, h.Find<QWidget>("CommandOpenInput")->geometry().center());
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(TwipsToPx(300, &w), TwipsToPx(1700, &w)));
    QVERIFY(menu->isVisible());
    menu->hide();
    w.move(3, 4);
    menu->findChild<QAction*>("mnuOptionsMv")->trigger();
    QTRY_COMPARE(w.frameGeometry().center(), w.screen()->geometry().center());
  }

  void GeometryIsStoredAtCloseAndRestoredOnAScreen() {
    WindowHarness h;
    h.ShowActive();
    h.window().move(40, 50);
    h.window().resize(790, 500);
    QTRY_COMPARE(h.window().size(), QSize(790, 500));
    QVERIFY(h.window().close());
    QCOMPARE(std::stod(h.Stored("Settings", "MainWidth")), PxToTwips(790, &h.window()));
    h.Restart();
    QCOMPARE(h.window().geometry(), QRect(40, 50, 790, 500));

    // Minimised, the window keeps what was stored.
    h.window().move(60, 70);
    h.window().showMinimized();
    QVERIFY(h.window().close());
    QCOMPARE(std::stod(h.Stored("Settings", "MainLeft")), PxToTwips(40, &h.window()));

    // A size beyond the screen is cut.
    h.session().StoreSetting(SettingKey::MainWidth, "1e10");
    h.Restart();
    QCOMPARE(h.window().width(), h.window().screen()->availableGeometry().width());
  }

  void TackAngleIsCheckedWhenLeft() {
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
    h.Open(SamplePath("zigzag.trt"));
    type("70", false);
    h.prompts.ExpectMessage("TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis");
    h.Click("CommandOpenInput");  // the click that would leave the box does not reach the button
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(h.Stored("Settings", "TackAngle"), std::string("none"));
    type("0 degrees");
    QCOMPARE(box->text(), QString("0"));
    QCOMPARE(h.Stored("Settings", "TackAngle"), std::string("0"));

    // Leaving the box enables the plot button even for a track it refused.
    h.prompts.ExpectFile("Open first file", SamplePath("empty.trc"));
    h.prompts.ExpectMessage("Trackfile has only 0 points, plotting not possible");
    h.Click("CommandOpenInput");
    QVERIFY(!h.Find<QPushButton>("cmdPlot")->isEnabled());
    type("30");
    QVERIFY(h.Find<QPushButton>("cmdPlot")->isEnabled());
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowLayoutTest)
#include "main_window_layout_test.moc"
