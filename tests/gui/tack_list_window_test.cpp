// The tack list window over a processed sample track: cells, widths, menu, select all, copy.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "nav/tack_list.h"
#include "nav/track_processing.h"
#include "nav/ui/tack_list_window.h"
#include "track/track_reader.h"

namespace wl {
namespace {

class SilentPrompts : public Prompts {
 public:
  void ShowMessage(const std::string& text, Icon) override { QFAIL(text.c_str()); }
  bool AskYesNo(const std::string&, Icon, bool) override { return true; }
};

std::unique_ptr<ProcessedTrack> ProcessSample(const std::string& name) {
  TrackStore store;
  TrackBlock scratch;
  SettingsValues values;
  SilentPrompts prompts;
  readtrackfile(store, scratch, std::string(WAKELINE_SOURCE_DIR) + "/data/samples/" + name, 0, values.Reader(false),
                prompts);
  auto processed = std::make_unique<ProcessedTrack>();
  ProcessTrackRecs(store, *processed, values);
  return processed;
}

QString Cell(const QTableView& grid, int row, int col) {
  return grid.model()->index(row, col).data().toString();
}

QString Head(const QTableView& grid, int col) {
  return grid.model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
}

// The pop-up menu opens at a right press on the grid and leaves the selection alone.
QMenu* RightClick(TackListWindow& window, QTableView& grid) {
  const QModelIndexList before = grid.selectionModel()->selectedIndexes();
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(5, 5));
  auto* menu = window.findChild<QMenu*>("mnuTackData");
  if (menu == nullptr || !menu->isVisible() || grid.selectionModel()->selectedIndexes() != before) return nullptr;
  return menu;
}

void Trigger(QMenu& menu, const char* name) {
  auto* action = menu.findChild<QAction*>(name);
  QVERIFY(action != nullptr);
  action->trigger();
  menu.hide();
}

}  // namespace

class TackListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsTheLegsWithHeadsAndWidths();
  void SelectAllThenCopyPutsHeadsAndAllRowsOnTheClipboard();
  void CopyOfOneCellAndOfABlock();
  void SelectAllNeedsMoreThanOneDataRow();
};

void TackListWindowTest::ShowsTheLegsWithHeadsAndWidths() {
  auto processed = ProcessSample("zigzag.trt");
  TackListWindow window(*processed);
  QCOMPARE(window.objectName(), QString("frmTackData"));
  QCOMPARE(window.windowTitle(), QString("Tack Data List"));
  auto* grid = window.findChild<QTableView*>("MSFGTackData");
  QVERIFY(grid != nullptr);

  QCOMPARE(grid->model()->columnCount(), 13);
  QCOMPARE(grid->model()->rowCount(), 9);
  QCOMPARE(Head(*grid, 0), QString("Date and Time (UTC)"));
  QCOMPARE(Head(*grid, 5), QString("avHDG:    "));
  QCOMPARE(Head(*grid, 12), QString("tack Angle: "));
  const QStringList first{"20210612 09:30:00", "09:35:40", "00:05:40", ".54", ".54", "197", "192",
                          "5.7", "6.0", "13.7", "239", "42", "97"};
  for (int c = 0; c < 13; ++c) QCOMPARE(Cell(*grid, 0, c), first[c]);
  QCOMPARE(Cell(*grid, 8, 0), QString("20210612 10:16:10"));
  QCOMPARE(Cell(*grid, 8, 12), QString());  // the last leg has no next leg to turn to

  // Twips through the logical DPI: 15 twips to the pixel at 96 dpi.
  const double pxPerTwip = window.screen()->logicalDotsPerInch() / 1440.0;
  const int widths[] = {1650, 800, 800, 750, 800, 680, 850, 750, 600, 650, 650, 650, 750};
  for (int c = 0; c < 13; ++c) QCOMPARE(grid->columnWidth(c), qRound(widths[c] * pxPerTwip));
  QCOMPARE(window.width(), qRound((330 + 10380 + 300) * pxPerTwip));
}

void TackListWindowTest::SelectAllThenCopyPutsHeadsAndAllRowsOnTheClipboard() {
  auto processed = ProcessSample("zigzag.trt");
  TackListWindow window(*processed);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* grid = window.findChild<QTableView*>("MSFGTackData");
  QGuiApplication::clipboard()->setText("old");

  QMenu* menu = RightClick(window, *grid);
  QVERIFY(menu != nullptr);
  QCOMPARE(menu->title(), QString("TackData"));
  Trigger(*menu, "mnuSelectAll");
  QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 9 * 13);

  menu = RightClick(window, *grid);
  QVERIFY(menu != nullptr);
  Trigger(*menu, "mnuCopy");
  const QString text = QGuiApplication::clipboard()->text();
  const QStringList lines = text.split("\r\n");
  QCOMPARE(lines.size(), 10);  // the head line and nine legs, no line end after the last
  QCOMPARE(lines[0],
           QString("Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                   "tackSOG: \tavSPD: \tavTWS: \tavTWD: \tavTWA: \ttack Angle: "));
  QCOMPARE(lines[1], QString("20210612 09:30:00\t09:35:40\t00:05:40\t.54\t.54\t197\t192\t5.7\t6.0\t13.7\t239\t42\t97"));
  QCOMPARE(lines[9], QString("20210612 10:16:10\t10:19:50\t00:03:40\t.32\t.33\t188\t184\t5.3\t5.7\t10.1\t231\t42\t"));

  TackList list = BuildTackList(*processed);
  SelectAll(list);
  QCOMPARE(text, QString::fromStdString(TackListCopyText(list)));
}

void TackListWindowTest::CopyOfOneCellAndOfABlock() {
  auto processed = ProcessSample("zigzag.trc");
  TackListWindow window(*processed);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* grid = window.findChild<QTableView*>("MSFGTackData");
  QCOMPARE(grid->model()->columnCount(), 9);

  // Only the current cell: the head line, then that one cell.
  grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 6), QItemSelectionModel::NoUpdate);
  grid->clearSelection();
  QMenu* menu = RightClick(window, *grid);
  QVERIFY(menu != nullptr);
  Trigger(*menu, "mnuCopy");
  QString heads = "Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                  "tackSOG: \ttack Angle: ";
  QCOMPARE(QGuiApplication::clipboard()->text(), heads + "\r\n" + Cell(*grid, 1, 6));

  // A block dragged upwards and leftwards copies the same cells as one dragged the other way.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(3, 4)).center());
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    grid->visualRect(grid->model()->index(2, 3)).center());
  menu = RightClick(window, *grid);
  QVERIFY(menu != nullptr);
  Trigger(*menu, "mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), heads + "\r\n" + Cell(*grid, 2, 3) + "\t" + Cell(*grid, 2, 4) +
                                                     "\r\n" + Cell(*grid, 3, 3) + "\t" + Cell(*grid, 3, 4));
}

void TackListWindowTest::SelectAllNeedsMoreThanOneDataRow() {
  auto processed = ProcessSample("one_point.trt");
  TackListWindow window(*processed);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* grid = window.findChild<QTableView*>("MSFGTackData");
  QCOMPARE(grid->model()->rowCount(), 1);  // the empty row of a cleared grid
  QMenu* menu = RightClick(window, *grid);
  QVERIFY(menu != nullptr);
  Trigger(*menu, "mnuSelectAll");
  QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
}

}  // namespace wl

QTEST_MAIN(wl::TackListWindowTest)
#include "tack_list_window_test.moc"
