// The tack list window over the session's processed track: its menu selects and copies, and a
// double-click takes the main table to a leg.
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "nav/ui/tack_list_window.h"
#include "support/window_harness.h"

namespace wl::test {

class TackListWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void MenuSelectsAndCopies() {
    SessionFixture f;
    f.session.OpenFile(SamplePath("zigzag.trt"));
    TackListWindow window(f.session);
    window.show();
    auto* grid = window.findChild<ReadOnlyGrid*>("MSFGTackData");
    QVERIFY(RowWhole(grid, 0));
    QVERIFY(TriggerGridMenu(grid, "mnuSelectAll", true));
    QVERIFY(TriggerGridMenu(grid, "mnuCopy"));
    const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
    QCOMPARE(lines.size(), 10);  // the head line and nine legs, no line end after the last
    QCOMPARE(lines[0], QString("Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \t"
                               "tackCOG:  \ttackSOG: \tavSPD: \tavTWS: \tavTWD: \tavTWA: \ttack Angle: "));
    QVERIFY(lines[9].startsWith("20210612 10:16:10\t"));

    // Without a selection: the current cell only.
    grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 6), QItemSelectionModel::NoUpdate);
    grid->clearSelection();
    QVERIFY(TriggerGridMenu(grid, "mnuCopy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), lines[0] + "\r\n289");
  }

  void DoubleClickChoosesTheLegsFirstPoint() {
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
};

}  // namespace wl::test

QTEST_MAIN(wl::test::TackListWindowTest)
#include "tack_list_window_test.moc"
