// The plot window over the session: keys and mouse reach the plot and the session, the session's
// changes reach the picture, and the picture is saved as shown.
#include <QDialog>
#include <QtTest>

#include "plot/plot_view.h"
#include "plot/ui/plot_window.h"
#include "support/window_harness.h"

namespace wl::test {

namespace {

// A shown plot of a sample; zigzag.trt has points 0 to 299.
struct Plot : SessionFixture {
  explicit Plot(const char* sample) {
    session.OpenFile(SamplePath(sample));
    window.show();
    QApplication::setActiveWindow(&window);  // for the window's shortcuts
    QTRY_VERIFY(window.isActiveWindow() && window.findChild<QLabel*>("lblDat")->isVisible());  // activated
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&window, key, mods); }
  QPoint At(int32_t i) const { return window.WindowPos(session.Processed().ProcRecs[size_t(i)].Pos).toPoint(); }
  void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(type, at, window.mapToGlobal(at), button, type == QEvent::MouseMove ? Qt::NoButton : button, mods);
    QApplication::sendEvent(&window, &e);
  }
  int16_t Flag(int32_t i) const { return session.Processed().ProcRecs[size_t(i)].TackFlag; }
  bool Zoomed() const { return window.View().State().Zoomed; }

  PlotWindow window{session};
};

}  // namespace

class PlotWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysAndMouseReachTheSessionAndTheShownPlotIsSaved() {
    Plot p("zigzag.trt");
    QCOMPARE(p.window.windowTitle(), QString("Plot Route - zigzag.trt"));
    const std::pair<Qt::Key, int32_t> steps[] = {{Qt::Key_End, 299}, {Qt::Key_Home, 0},     {Qt::Key_Down, 1},
                                                 {Qt::Key_Up, 0},    {Qt::Key_PageDown, 34}, {Qt::Key_PageUp, 0}};
    for (const auto& [key, cursor] : steps) {
      p.Key(key);
      QCOMPARE(p.session.Cursor(), cursor);
    }
    // The marker is put back without a trace.
    const QImage before = p.window.Image().copy();
    p.Key(Qt::Key_Down);
    QVERIFY(p.window.Image() != before);
    const int16_t flag = p.Flag(1);
    p.Key(Qt::Key_F1);
    QCOMPARE(p.Flag(1), static_cast<int16_t>(flag == 0 ? 1 : 0));
    p.Key(Qt::Key_F1);
    p.Key(Qt::Key_Up);
    QCOMPARE(p.window.Image(), before);
    const QImage windless = p.window.Image().copy();
    p.Key(Qt::Key_F5);
    QCOMPARE(p.Stored("PlotShowWind"), std::string("True"));
    QCoreApplication::processEvents();
    QVERIFY(p.window.Image() != windless);
    for (const char* stored : {"1", "2", "3", "1"}) {
      p.Key(Qt::Key_F4);
      QCOMPARE(p.Stored("PlotShowText"), std::string(stored));
    }
    QSignalSpy settings(&p.window, &PlotWindow::SettingsRequested);
    p.Key(Qt::Key_F3);
    QCOMPARE(settings.count(), 1);
    p.Key(Qt::Key_Down);  // "All": every point has its text, which a click puts away
    auto* popup = p.window.findChild<QLabel*>("lblTackPopup");
    QTRY_VERIFY(popup->isVisible());
    QTest::mouseClick(popup, Qt::LeftButton);
    QVERIFY(!popup->isVisible());

    // A click picks the cursor, two right clicks a band to zoom to, the wheel zooms around the mouse.
    p.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, p.At(40));
    QCOMPARE(p.session.Cursor(), 40);
    p.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, p.At(40));
    p.Mouse(QEvent::MouseButtonPress, Qt::RightButton, p.At(30));
    p.Mouse(QEvent::MouseMove, Qt::NoButton, p.At(60));
    p.Mouse(QEvent::MouseButtonPress, Qt::RightButton, p.At(60));
    QVERIFY(p.Zoomed());
    p.Key(Qt::Key_Escape);
    QVERIFY(!p.Zoomed());

    QCoreApplication::processEvents();  // the redraws still to come from F4
    const QPoint at = p.At(50);
    QWheelEvent wheel(at, p.window.mapToGlobal(at), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&p.window, &wheel);
    QVERIFY(p.Zoomed());
    QVERIFY((p.At(50) - at).manhattanLength() <= 2);  // zoomed around the mouse
    // Back from a message box or another program the zoom stays; from another window of ours it goes.
    QDialog box;
    box.setModal(true);
    QWidget other;
    for (QWidget* front : {static_cast<QWidget*>(&box), static_cast<QWidget*>(nullptr), &other}) {
      if (front) front->show();
      QApplication::setActiveWindow(front);
      QApplication::setActiveWindow(&p.window);
      QCoreApplication::processEvents();
      QCOMPARE(p.Zoomed(), front != &other);
      if (front) front->hide();
    }
    QApplication::setActiveWindow(&p.window);
    p.Mouse(QEvent::MouseButtonPress, Qt::RightButton, at, Qt::ShiftModifier);
    QVERIFY(p.window.ContextMenu()->isVisible());
    p.window.ContextMenu()->hide();

    // Saved as shown.
    const QString png = p.dir.filePath("plot.png"), pdf = p.dir.filePath("plot.PDF");
    p.prompts.ExpectFile("Save plot as image", png.toStdString());
    p.Key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(QImage(png).size(), p.window.size() * p.window.devicePixelRatio());
    p.prompts.ExpectFile("Save plot as image", pdf.toStdString());
    p.window.ContextMenu()->findChild<QAction*>("mnuSavePlotImage")->trigger();
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly) && written.read(5) == "%PDF-");

    Plot trc("zigzag.trc");
    trc.prompts.ExpectMessage(".trc files have no wind data, use .trt files from Logvane");
    trc.Key(Qt::Key_F5);
    trc.Key(Qt::Key_Escape);
    QVERIFY(!trc.window.isVisible());
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::PlotWindowTest)
#include "plot_window_test.moc"
