// The tack list window over the session's processed track: its menu selects and copies, its heads
// show whole, and a double-click takes the main table to a leg.
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "nav/ui/tack_list_window.h"
#include "support/window_harness.h"

namespace wl::test {

namespace {

// A shown list over a sample.
struct Shown : SessionFixture {
  explicit Shown(const char* sample) {
    session.OpenFile(SamplePath(sample));
    window = std::make_unique<TackListWindow>(session);
    window->show();
    grid = window->findChild<ReadOnlyGrid*>("MSFGTackData");
  }
  std::unique_ptr<TackListWindow> window;
  ReadOnlyGrid* grid;
};

}  // namespace

class TackListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void SelectAllThenCopyGivesHeadsAndEveryLeg();
  void CopyOfTheCurrentCellOnly();
  void DoubleClickChoosesTheLegsFirstPoint();
};

void TackListWindowTest::SelectAllThenCopyGivesHeadsAndEveryLeg() {
  Shown s("zigzag.trt");
  QCOMPARE(s.window->windowTitle(), QString("Tack Data List"));
  QVERIFY(RowWhole(s.grid, 0));
  QVERIFY(TriggerGridMenu(s.grid, "mnuSelectAll", true));
  QVERIFY(TriggerGridMenu(s.grid, "mnuCopy"));
  const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
  QCOMPARE(lines.size(), 10);  // the head line and nine legs, no line end after the last
  QCOMPARE(lines[0],
           QString("Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                   "tackSOG: \tavSPD: \tavTWS: \tavTWD: \tavTWA: \ttack Angle: "));
  QVERIFY(lines[9].startsWith("20210612 10:16:10\t"));

  // One point: the empty row of a cleared grid, which select all leaves unselected.
  Shown one("one_point.trt");
  QVERIFY(TriggerGridMenu(one.grid, "mnuSelectAll"));
  QVERIFY(one.grid->selectionModel()->selectedIndexes().isEmpty());
}

void TackListWindowTest::CopyOfTheCurrentCellOnly() {
  Shown s("zigzag.trc");
  s.grid->selectionModel()->setCurrentIndex(s.grid->model()->index(1, 6), QItemSelectionModel::NoUpdate);
  s.grid->clearSelection();
  QVERIFY(TriggerGridMenu(s.grid, "mnuCopy"));
  QCOMPARE(QGuiApplication::clipboard()->text(),
           QString("Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                   "tackSOG: \ttack Angle: \r\n289"));
}

void TackListWindowTest::DoubleClickChoosesTheLegsFirstPoint() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trc"));
  bool closed = false;
  OnNextModal([&](QWidget* list) {
    auto* grid = list->findChild<ReadOnlyGrid*>("MSFGTackData");
    const QPoint leg = grid->visualRect(grid->model()->index(1, 3)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, leg);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, leg);
    closed = !list->isVisible();
    list->close();
  });
  h.Click("CmdShowTack");
  QVERIFY(closed);
  QCOMPARE(h.Grid()->CurrentRow(), 34);  // the second leg, from 09:35:40
  QCOMPARE(h.Grid()->highlight(), TrackTableView::Highlight::Always);
}

}  // namespace wl::test

QTEST_MAIN(wl::test::TackListWindowTest)
#include "tack_list_window_test.moc"
