// The track table: heads and widths, the key table, select all, copy, the edit menu's rules.
#include <QClipboard>
#include <QGuiApplication>
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
  void SelectAllAndCopy();
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

  h.Open(SamplePath("zigzag.trc"));
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
  const auto shift = Qt::ShiftModifier;
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int current, end;
  };
  const Step steps[] = {
      {Qt::Key_Up, {}, 0, 0},      {Qt::Key_Down, {}, 1, 1},   {Qt::Key_Down, {}, 2, 2},
      {Qt::Key_Down, shift, 2, 3}, {Qt::Key_Down, shift, 2, 4}, {Qt::Key_Up, shift, 2, 3},
      {Qt::Key_Up, {}, 1, 1},      {Qt::Key_End, {}, 299, 299}, {Qt::Key_Down, {}, 299, 299},
      {Qt::Key_Home, shift, 299, 0}, {Qt::Key_Up, shift, 299, 0}, {Qt::Key_Home, {}, 0, 0},
      {Qt::Key_End, shift, 0, 299},  {Qt::Key_Down, shift, 0, 299},
  };
  for (const Step& s : steps) {
    h.Key(s.key, s.mods);
    QCOMPARE(grid->CurrentRow(), s.current);
    QCOMPARE(grid->SelectionEndRow(), s.end);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), std::abs(s.current - s.end) + 1);
    if (s.key == Qt::Key_End && !s.mods)
      QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
    if (s.key == Qt::Key_Home && s.mods) QCOMPARE(grid->verticalScrollBar()->value(), 0);
  }
}

void TrackTableTest::SelectAllAndCopy() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("one_point.trt"));  // select all needs two rows
  h.EditAction("mnuTRCSelectAll")->trigger();
  QCOMPARE(h.Grid()->selectionModel()->selectedRows().size(), 1);

  h.Open(SamplePath("zigzag.trc"));
  h.ClickRow(3);
  h.ClickRow(2, Qt::ShiftModifier);
  h.Key(Qt::Key_C, Qt::ControlModifier);
  auto row = [&](int r) {
    QStringList cells;
    for (int col = 1; col < 13; ++col) cells << h.Cell(r, col);
    return cells.join('\t');
  };
  QCOMPARE(QGuiApplication::clipboard()->text(),
           "Date and Time (UTC)\tLatitude\tLongitude\tCOG\tSOG\tuiCOG\tuiDist\tuiTime\tuiSOG\tCumDist\tCumTime\tCumAvSOG"
           "\r\n" + row(2) + "\r\n" + row(3));
  QVERIFY(row(2).startsWith("20210612 09:30:20\t"));
  h.Key(Qt::Key_End);
  h.EditAction("mnuTRCCopy")->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text().split("\r\n").size(), 2);
  QVERIFY(QGuiApplication::clipboard()->text().endsWith(row(299)));

  // The menu and Ctrl+A select alike, so that Delete then takes every row.
  h.ClickRow(5);
  h.EditAction("mnuTRCSelectAll")->trigger();
  QCOMPARE(h.Grid()->selectionModel()->selectedRows().size(), 300);
  h.ClickRow(5);
  h.Key(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(h.Grid()->CurrentRow(), 0);
  QCOMPARE(h.Grid()->SelectionEndRow(), 299);
  h.prompts.answers = {false};
  h.Key(Qt::Key_Delete);
  QCOMPARE(h.prompts.Texts().back(), std::string("Delete 300 Track Points, starting at 0"));
}

void TrackTableTest::EditMenuEnablesByWhereTheClickWas() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trt"));
  QAction* insert = h.EditAction("mnuTRCInsertFileAfter");
  QAction* remove = h.EditAction("mnuTRCDeleteTP");
  QAction* separator = h.EditAction("mnuTRCSep1");
  QAction* resize = h.EditAction("mnuTRCResizeCols");
  QStringList seen;
  for (QAction* a : h.EditMenu()->actions()) seen << a->text();
  QCOMPARE(seen, (QStringList{"&Select All", "&Copy", "&Delete Track Point", "&Insert File", "", "&Resize Columns"}));
  QCOMPARE(h.EditMenu()->title(), QString("TrackEdit"));

  // Each case: where the right click was, then insert / delete enabled, separator and resize visible.
  auto menuIs = [&](bool ins, bool del, bool headItems) {
    const bool ok = h.EditMenu()->isVisible() && insert->isEnabled() == ins && remove->isEnabled() == del &&
                    separator->isVisible() == headItems && resize->isVisible() == headItems;
    h.CloseMenus();
    return ok;
  };
  h.ClickRow(4);
  h.RightClickRow(4);
  QVERIFY(menuIs(false, true, false));
  QCOMPARE(h.Grid()->CurrentRow(), 4);  // a right click leaves the selection alone
  h.Key(Qt::Key_End);
  h.RightClickRow(299);
  QVERIFY(menuIs(true, true, false));
  h.Key(Qt::Key_Up, Qt::ShiftModifier);
  h.RightClickRow(299);
  QVERIFY(menuIs(false, true, false));  // two rows selected
  h.RightClickHead(2);
  QVERIFY(menuIs(false, false, true));
  h.Open(SamplePath("one_point.trt"));  // its only row is the last one
  h.RightClickRow(0);
  QVERIFY(menuIs(true, true, false));
}

void TrackTableTest::SelectionShowsFromTheFirstClick() {
  WindowHarness h;
  h.ShowActive();
  TrackTableView* grid = h.Grid();
  auto painted = [&](int row) {  // the colour at the left of a row's time cell
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    return grid->viewport()->grab().toImage().pixelColor(cell.left() + 2, cell.center().y());
  };
  auto highlight = [&] { return grid->palette().color(QPalette::Active, QPalette::Highlight); };
  h.Open(SamplePath("zigzag.trt"));
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::Never);
  QVERIFY(painted(0) != highlight());
  QCOMPARE(painted(0), painted(1));

  h.ClickRow(3);
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::WhileFocused);
  QTRY_VERIFY(grid->hasFocus());
  QCOMPARE(painted(3), highlight());
  h.Find<QWidget>("TackAngle")->setFocus();
  QTRY_VERIFY(!grid->hasFocus());
  QCOMPARE(painted(3), painted(1));
  h.Open(SamplePath("zigzag.trt"));  // every pass sets the table up again
  QCOMPARE(grid->highlight(), TrackTableView::Highlight::Never);
}

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackTableTest)
#include "track_table_test.moc"
