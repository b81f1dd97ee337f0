// The track table: heads and widths, the key table, select all, copy, the edit menu's rules.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

#include "mainwin/twips.h"
#include "support/window_harness.h"

namespace wl::test {

class TrackTableTest : public QObject {
  Q_OBJECT

 private slots:
  void HeadsAndWidthsFollowTheFileKind();
  void KeysMoveAndExtendTheSelection();
  void SelectAllNeedsTwoRows();
  void CopyPutsTheHeadLineFirst();
  void EditMenuEnablesByWhereTheClickWas();
  void SelectionShowsFromTheFirstClick();
};

void TrackTableTest::HeadsAndWidthsFollowTheFileKind() {
  WindowHarness h;
  TrackTableView* grid = h.Grid();
  const QStringList trc{"Trpt#",  "Date and Time (UTC)", "Latitude", "Longitude", "COG",     "SOG",     "uiCOG",
                        "uiDist", "uiTime",              "uiSOG",    "CumDist",   "CumTime", "CumAvSOG"};
  QCOMPARE(grid->model()->columnCount(), 13);  // the empty table at start
  for (int col = 0; col < 13; ++col) QCOMPARE(h.Head(col), trc[col]);
  QCOMPARE(h.Rows(), 1);
  QCOMPARE(h.Cell(0, 0), QString());

  h.Open(SamplePath("zigzag.trc"));
  QCOMPARE(grid->model()->columnCount(), 13);
  QCOMPARE(grid->columnWidth(1), TwipsToPx(1550, grid));
  QCOMPARE(grid->columnWidth(6), TwipsToPx(680, grid));

  h.RightClickHead(3);
  h.EditAction("mnuTRCResizeCols")->trigger();
  h.CloseMenus();
  QCOMPARE(grid->columnWidth(4), TwipsToPx(500, grid));
  QCOMPARE(grid->columnWidth(6), TwipsToPx(550, grid));

  // True heading is named in its head.
  SettingsStore(h.ConfigFile()).Save("Settings", "UseTrueHeading", "True");
  h.Restart();
  h.Open(SamplePath("zigzag.trt"));
  grid = h.Grid();
  QCOMPARE(grid->model()->columnCount(), 20);
  QCOMPARE(h.Head(4), QString("tHDG"));
  QCOMPARE(h.Head(19), QString("WaterS"));
  QCOMPARE(grid->columnWidth(14), TwipsToPx(450, grid));
  QCOMPARE(grid->columnWidth(6), TwipsToPx(500, grid));
}

void TrackTableTest::KeysMoveAndExtendTheSelection() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trc"));
  TrackTableView* grid = h.Grid();
  auto at = [&](int current, int end) {
    return grid->CurrentRow() == current && grid->SelectionEndRow() == end &&
           grid->selectionModel()->selectedRows().size() == std::abs(current - end) + 1;
  };
  QVERIFY(at(0, 0));
  h.Key(Qt::Key_Up);  // row 1 stays
  QVERIFY(at(0, 0));
  h.Key(Qt::Key_Down);
  h.Key(Qt::Key_Down);
  QVERIFY(at(2, 2));
  h.Key(Qt::Key_Down, Qt::ShiftModifier);
  h.Key(Qt::Key_Down, Qt::ShiftModifier);
  QVERIFY(at(2, 4));
  h.Key(Qt::Key_Up, Qt::ShiftModifier);
  QVERIFY(at(2, 3));
  h.Key(Qt::Key_Up);
  QVERIFY(at(1, 1));

  h.Key(Qt::Key_End);
  QVERIFY(at(299, 299));
  QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
  h.Key(Qt::Key_Down);  // the last row stays
  QVERIFY(at(299, 299));
  h.Key(Qt::Key_Home, Qt::ShiftModifier);
  QVERIFY(at(299, 0));
  QCOMPARE(grid->verticalScrollBar()->value(), 0);
  h.Key(Qt::Key_Up, Qt::ShiftModifier);
  QVERIFY(at(299, 0));
  h.Key(Qt::Key_Home);
  QVERIFY(at(0, 0));
  h.Key(Qt::Key_End, Qt::ShiftModifier);
  QVERIFY(at(0, 299));
  h.Key(Qt::Key_Down, Qt::ShiftModifier);
  QVERIFY(at(0, 299));
}

void TrackTableTest::SelectAllNeedsTwoRows() {
  WindowHarness h;
  h.Open(SamplePath("one_point.trt"));
  h.EditAction("mnuTRCSelectAll")->trigger();
  QCOMPARE(h.Grid()->selectionModel()->selectedRows().size(), 1);

  h.Open(SamplePath("zigzag.trt"));
  h.ClickRow(5);
  h.EditAction("mnuTRCSelectAll")->trigger();
  QCOMPARE(h.Grid()->CurrentRow(), 0);
  QCOMPARE(h.Grid()->SelectionEndRow(), 299);
  QCOMPARE(h.Grid()->selectionModel()->selectedRows().size(), 300);

  // Ctrl+A selects the same way, so that Delete then takes every row.
  h.ClickRow(5);
  h.Key(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(h.Grid()->CurrentRow(), 0);
  QCOMPARE(h.Grid()->SelectionEndRow(), 299);
  h.prompts.answers = {false};
  h.Key(Qt::Key_Delete);
  QCOMPARE(h.prompts.Texts().back(), std::string("Delete 300 Track Points, starting at 0"));
}

void TrackTableTest::CopyPutsTheHeadLineFirst() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trc"));
  h.ClickRow(3);
  h.ClickRow(2, Qt::ShiftModifier);
  h.Key(Qt::Key_C, Qt::ControlModifier);
  auto row = [&](int r) {
    QStringList cells;
    for (int col = 1; col < 13; ++col) cells << h.Cell(r, col);
    return cells.join('\t');
  };
  const QString expected =
      "Date and Time (UTC)\tLatitude\tLongitude\tCOG\tSOG\tuiCOG\tuiDist\tuiTime\tuiSOG\tCumDist\tCumTime\tCumAvSOG"
      "\r\n" +
      row(2) + "\r\n" + row(3);
  QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  QVERIFY(row(2).startsWith("20210612 09:30:20\t"));

  h.Key(Qt::Key_End);
  h.EditAction("mnuTRCCopy")->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text().split("\r\n").size(), 2);
  QVERIFY(QGuiApplication::clipboard()->text().endsWith(row(299)));
}

void TrackTableTest::EditMenuEnablesByWhereTheClickWas() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trt"));
  QAction* insert = h.EditAction("mnuTRCInsertFileAfter");
  QAction* remove = h.EditAction("mnuTRCDeleteTP");
  QAction* separator = h.EditAction("mnuTRCSep1");
  QAction* resize = h.EditAction("mnuTRCResizeCols");
  const QStringList texts{"&Select All", "&Copy", "&Delete Track Point", "&Insert File", "", "&Resize Columns"};
  QStringList seen;
  for (QAction* a : h.EditMenu()->actions()) seen << a->text();
  QCOMPARE(seen, texts);
  QCOMPARE(h.EditMenu()->title(), QString("TrackEdit"));

  h.ClickRow(4);
  h.RightClickRow(4);
  QVERIFY(h.EditMenu()->isVisible());
  QVERIFY(!insert->isEnabled());
  QVERIFY(remove->isEnabled());
  QVERIFY(!separator->isVisible());
  QVERIFY(!resize->isVisible());
  QCOMPARE(h.Grid()->CurrentRow(), 4);  // a right click leaves the selection alone
  h.CloseMenus();

  h.Key(Qt::Key_End);
  h.RightClickRow(299);
  QVERIFY(insert->isEnabled());
  h.CloseMenus();
  h.Key(Qt::Key_Up, Qt::ShiftModifier);
  h.RightClickRow(299);
  QVERIFY(!insert->isEnabled());  // two rows selected
  h.CloseMenus();

  h.RightClickHead(2);
  QVERIFY(h.EditMenu()->isVisible());
  QVERIFY(!remove->isEnabled());
  QVERIFY(separator->isVisible());
  QVERIFY(resize->isVisible());
  h.CloseMenus();

  // A one-point table: its only row is the last one.
  h.Open(SamplePath("one_point.trt"));
  h.RightClickRow(0);
  QVERIFY(insert->isEnabled());
  h.CloseMenus();
}

void TrackTableTest::SelectionShowsFromTheFirstClick() {
  WindowHarness h;
  h.ShowActive();
  TrackTableView* grid = h.Grid();
  // The colour painted at the left of a row's time cell.
  auto painted = [&](int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    return grid->viewport()->grab().toImage().pixelColor(cell.left() + 2, cell.center().y());
  };
  const QColor highlight = grid->palette().color(QPalette::Active, QPalette::Highlight);
  h.Open(SamplePath("zigzag.trt"));
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::Never);
  QCOMPARE(grid->CurrentRow(), 0);
  QVERIFY(painted(0) != highlight);
  QCOMPARE(painted(0), painted(1));

  h.ClickRow(3);
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::WhileFocused);
  QTRY_VERIFY(grid->hasFocus());
  QCOMPARE(painted(3), grid->palette().color(QPalette::Active, QPalette::Highlight));
  h.Find<QWidget>("TackAngle")->setFocus();
  QTRY_VERIFY(!grid->hasFocus());
  QCOMPARE(painted(3), painted(1));

  h.Open(SamplePath("zigzag.trt"));  // every pass sets the table up again
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::Never);
}

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackTableTest)
#include "track_table_test.moc"
