// The track table's own behaviour: the keys, select all, copy, the edit menu.
#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QScrollBar>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

class TrackTableViewTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysMoveAndCopyTheSelectionAndTheEditMenuFollowsTheClick() {
    WindowHarness h;
    h.ShowActive();
    h.Open(SamplePath("zigzag.trc"));
    TrackTableView* grid = h.Grid();
    for (const QStringList& c : Cases("table_keys.txt")) {
      const QKeyCombination key = QKeySequence::fromString(c[0])[0];
      h.Key(key.key(), key.keyboardModifiers());
      QCOMPARE(grid->CurrentRow(), c[1].toInt());
      QCOMPARE(grid->SelectionEndRow(), c[2].toInt());
      QCOMPARE(grid->selectionModel()->selectedRows().size(), std::abs(c[1].toInt() - c[2].toInt()) + 1);
    }
    QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());

    h.ClickRow(5);
    h.Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid->CurrentRow(), 0);
    QCOMPARE(grid->SelectionEndRow(), 299);
    h.Key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Date and Time (UTC)\tLatitude\t"));
    QCOMPARE(QGuiApplication::clipboard()->text().count("\r\n"), 300);  // heads and 300 rows

    // The edit menu follows where the right click was: insert enabled, delete enabled, resize shown.
    QMenu* menu = grid->PopupMenu();
    auto menuIs = [&](bool insert, bool remove, bool resize) {
      const bool ok = menu->isVisible() && h.EditAction("mnuTRCInsertFileAfter")->isEnabled() == insert &&
                      h.EditAction("mnuTRCDeleteTP")->isEnabled() == remove &&
                      h.EditAction("mnuTRCResizeCols")->isVisible() == resize;
      menu->hide();
      return ok;
    };
    h.ClickRow(4);
    h.ClickRow(4, Qt::NoModifier, Qt::RightButton);
    QVERIFY(menuIs(false, true, false));
    QCOMPARE(grid->CurrentRow(), 4);  // a right click leaves the selection alone
    h.Key(Qt::Key_End);
    h.ClickRow(299, Qt::NoModifier, Qt::RightButton);
    QVERIFY(menuIs(true, true, false));
    h.Key(Qt::Key_Up, Qt::ShiftModifier);
    h.ClickRow(299, Qt::NoModifier, Qt::RightButton);
    QVERIFY(menuIs(false, true, false));  // two rows selected
    RightClickHead(grid, 2);
    QVERIFY(menuIs(false, false, true));
    const int uiCOG = grid->columnWidth(6);
    h.EditAction("mnuTRCResizeCols")->trigger();
    QVERIFY(grid->columnWidth(6) < uiCOG);

    // The plot's F1 shows in the table at once.
    QSignalSpy marks(grid->model(), &QAbstractItemModel::dataChanged);
    h.session().ToggleTackFlag(3);
    QCOMPARE(marks.value(0).value(0).value<QModelIndex>(), grid->model()->index(4, 4));  // the cell repainted
    QCOMPARE(grid->model()->index(4, 4).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackTableViewTest)
#include "track_table_view_test.moc"
