// The track table's own behaviour: the keys, select all, copy, the edit menu, and texts not cut.
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
  void KeysMoveAndExtendTheSelection();
  void SelectAllAndCopy();
  void EditMenuFollowsWhereTheClickWas();
  void EveryHeadAndCellIsWhole();
};

void TrackTableViewTest::KeysMoveAndExtendTheSelection() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trc"));
  TrackTableView* grid = h.Grid();
  const auto shift = Qt::ShiftModifier;
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int current, end;
  };
  const Step steps[] = {
      {Qt::Key_Up, {}, 0, 0},        {Qt::Key_Down, {}, 1, 1},      {Qt::Key_Down, {}, 2, 2},
      {Qt::Key_Down, shift, 2, 3},   {Qt::Key_Down, shift, 2, 4},   {Qt::Key_Up, shift, 2, 3},
      {Qt::Key_Up, {}, 1, 1},        {Qt::Key_End, {}, 299, 299},   {Qt::Key_Down, {}, 299, 299},
      {Qt::Key_Home, shift, 299, 0}, {Qt::Key_Up, shift, 299, 0},   {Qt::Key_Home, {}, 0, 0},
      {Qt::Key_End, shift, 0, 299},  {Qt::Key_Down, shift, 0, 299},
  };
  for (const Step& s : steps) {
    h.Key(s.key, s.mods);
    QCOMPARE(grid->CurrentRow(), s.current);
    QCOMPARE(grid->SelectionEndRow(), s.end);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), std::abs(s.current - s.end) + 1);
    if (s.key == Qt::Key_End && !s.mods)
      QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
  }
}

void TrackTableViewTest::SelectAllAndCopy() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trc"));
  h.ClickRow(3);
  h.ClickRow(2, Qt::ShiftModifier);
  h.Key(Qt::Key_C, Qt::ControlModifier);
  QVERIFY(QGuiApplication::clipboard()->text().startsWith(
      "Date and Time (UTC)\tLatitude\tLongitude\tCOG\tSOG\tuiCOG\tuiDist\tuiTime\tuiSOG\tCumDist\tCumTime\t"
      "CumAvSOG\r\n20210612 09:30:20\t"));
  QCOMPARE(QGuiApplication::clipboard()->text().count("\r\n"), 2);

  h.ClickRow(5);
  h.EditAction("mnuTRCSelectAll")->trigger();
  QCOMPARE(h.Grid()->CurrentRow(), 0);
  QCOMPARE(h.Grid()->SelectionEndRow(), 299);
  h.ClickRow(5);
  h.Key(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(h.Grid()->SelectionEndRow(), 299);
  h.EditAction("mnuTRCCopy")->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text().count("\r\n"), 300);
}

void TrackTableViewTest::EditMenuFollowsWhereTheClickWas() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trt"));
  QMenu* menu = h.Grid()->PopupMenu();
  // Where the right click was, then: insert enabled, delete enabled, separator and resize shown.
  auto menuIs = [&](bool insert, bool remove, bool headItems) {
    const bool ok = menu->isVisible() && h.EditAction("mnuTRCInsertFileAfter")->isEnabled() == insert &&
                    h.EditAction("mnuTRCDeleteTP")->isEnabled() == remove &&
                    h.EditAction("mnuTRCSep1")->isVisible() == headItems &&
                    h.EditAction("mnuTRCResizeCols")->isVisible() == headItems;
    menu->hide();
    return ok;
  };
  QStringList items;
  for (const QAction* a : menu->actions()) items << a->text() + a->shortcut().toString();
  QCOMPARE(items, (QStringList{"&Select All", "&Copy", "&Delete Track Point", "&Insert File", "", "&Resize Columns", "",
                               "&UndoCtrl+Z", "&RedoCtrl+Shift+Z", "&Thin Track..."}));
  h.ClickRow(4);
  h.ClickRow(4, Qt::NoModifier, Qt::RightButton);
  QVERIFY(menuIs(false, true, false));
  QCOMPARE(h.Grid()->CurrentRow(), 4);  // a right click leaves the selection alone
  h.Key(Qt::Key_End);
  h.ClickRow(299, Qt::NoModifier, Qt::RightButton);
  QVERIFY(menuIs(true, true, false));
  h.Key(Qt::Key_Up, Qt::ShiftModifier);
  h.ClickRow(299, Qt::NoModifier, Qt::RightButton);
  QVERIFY(menuIs(false, true, false));  // two rows selected
  RightClickHead(h.Grid(), 2);
  QVERIFY(menuIs(false, false, true));
  const int uiCOG = h.Grid()->columnWidth(7);
  h.EditAction("mnuTRCResizeCols")->trigger();
  QVERIFY(h.Grid()->columnWidth(7) < uiCOG);
  QVERIFY(RowWhole(h.Grid(), 0));

  // The plot's F1 shows in the table at once.
  QSignalSpy marks(h.Grid()->model(), &QAbstractItemModel::dataChanged);
  h.session().ToggleTackFlag(3);
  QCOMPARE(marks.count(), 1);
  QCOMPARE(marks[0][0].toModelIndex().row(), 4);
  QCOMPARE(h.Grid()->model()->index(4, 4).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
}

void TrackTableViewTest::EveryHeadAndCellIsWhole() {
  QTemporaryDir dir;
  QFile points(dir.filePath("long.trc"));
  QVERIFY(points.open(QIODevice::WriteOnly) && points.write(QByteArray(10001 * 30, '\0')) == 10001 * 30);
  points.close();
  WindowHarness h;
  h.ShowActive();
  h.Open(points.fileName().toStdString());
  QCOMPARE(h.Cell(10000, 0), QString("10000"));
  QVERIFY(RowWhole(h.Grid(), 0) && RowWhole(h.Grid(), 10000));
}

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackTableViewTest)
#include "track_table_view_test.moc"
