// The tack list window over a processed sample track: cells, widths, menu, select all, copy.
#include <QClipboard>
#include <QGuiApplication>
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
  ProcessTrackRecs(store, *processed, ProcessingOptions(values));
  return processed;
}

// A shown window over a sample, with its grid.
struct Shown {
  explicit Shown(const char* sample) : processed(ProcessSample(sample)), window(*processed) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("not exposed");
    grid = window.findChild<QTableView*>("MSFGTackData");
  }
  QString Cell(int row, int col) const { return grid->model()->index(row, col).data().toString(); }
  // A right press opens the pop-up menu, leaving the selection alone; then `action` is triggered.
  bool Menu(const char* action) {
    const QModelIndexList before = grid->selectionModel()->selectedIndexes();
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    auto* menu = window.findChild<QMenu*>("mnuTackData");
    if (!menu || !menu->isVisible() || menu->title() != "TackData" ||
        grid->selectionModel()->selectedIndexes() != before)
      return false;
    menu->findChild<QAction*>(action)->trigger();
    menu->hide();
    return true;
  }
  std::unique_ptr<ProcessedTrack> processed;
  TackListWindow window;
  QTableView* grid = nullptr;
};

}  // namespace

class TackListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void SelectAllThenCopyGivesHeadsAndEveryLeg();
  void CopyOfOneCellAndOfABlock();
};

void TackListWindowTest::SelectAllThenCopyGivesHeadsAndEveryLeg() {
  Shown s("zigzag.trt");
  QCOMPARE(s.window.objectName(), QString("frmTackData"));
  QCOMPARE(s.window.windowTitle(), QString("Tack Data List"));
  QCOMPARE(s.grid->model()->columnCount(), 13);
  QCOMPARE(s.grid->model()->rowCount(), 9);
  // Twips through the logical DPI: 15 twips to the pixel at 96 dpi.
  const double pxPerTwip = s.window.screen()->logicalDotsPerInch() / 1440.0;
  const int widths[] = {1650, 800, 800, 750, 800, 680, 850, 750, 600, 650, 650, 650, 750};
  for (int c = 0; c < 13; ++c) QCOMPARE(s.grid->columnWidth(c), qRound(widths[c] * pxPerTwip));
  QCOMPARE(s.window.width(), qRound((330 + 10380 + 300) * pxPerTwip));

  QGuiApplication::clipboard()->setText("old");
  QVERIFY(s.Menu("mnuSelectAll"));
  QCOMPARE(s.grid->selectionModel()->selectedIndexes().size(), 9 * 13);
  QVERIFY(s.Menu("mnuCopy"));
  const QString text = QGuiApplication::clipboard()->text();
  const QStringList lines = text.split("\r\n");
  QCOMPARE(lines.size(), 10);  // the head line and nine legs, no line end after the last
  QCOMPARE(lines[0],
           QString("Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                   "tackSOG: \tavSPD: \tavTWS: \tavTWD: \tavTWA: \ttack Angle: "));
  QCOMPARE(lines[1], QString("20210612 09:30:00\t09:35:40\t00:05:40\t.54\t.54\t197\t192\t5.7\t6.0\t13.7\t239\t42\t97"));
  // The last leg has no next leg to turn to.
  QCOMPARE(lines[9], QString("20210612 10:16:10\t10:19:50\t00:03:40\t.32\t.33\t188\t184\t5.3\t5.7\t10.1\t231\t42\t"));
  TackList list = BuildTackList(*s.processed);
  SelectAll(list);
  QCOMPARE(text, QString::fromStdString(TackListCopyText(list)));

  // One point: the empty row of a cleared grid, which select all leaves unselected.
  Shown one("one_point.trt");
  QCOMPARE(one.grid->model()->rowCount(), 1);
  QVERIFY(one.Menu("mnuSelectAll"));
  QVERIFY(one.grid->selectionModel()->selectedIndexes().isEmpty());
}

void TackListWindowTest::CopyOfOneCellAndOfABlock() {
  Shown s("zigzag.trc");
  QCOMPARE(s.grid->model()->columnCount(), 9);
  const QString heads = "Date and Time (UTC)\tEndTime\ttackTIME: \ttackDIST: \tTraveled: \tavHDG:    \ttackCOG:  \t"
                        "tackSOG: \ttack Angle: \r\n";
  // Only the current cell: the head line, then that one cell.
  s.grid->selectionModel()->setCurrentIndex(s.grid->model()->index(1, 6), QItemSelectionModel::NoUpdate);
  s.grid->clearSelection();
  QVERIFY(s.Menu("mnuCopy"));
  QCOMPARE(QGuiApplication::clipboard()->text(), heads + s.Cell(1, 6));

  // A block dragged upwards and leftwards copies in reading order.
  auto click = [&](int row, int col, Qt::KeyboardModifiers mods) {
    QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, mods, s.grid->visualRect(s.grid->model()->index(row, col)).center());
  };
  click(3, 4, {});
  click(2, 3, Qt::ShiftModifier);
  QVERIFY(s.Menu("mnuCopy"));
  QCOMPARE(QGuiApplication::clipboard()->text(),
           heads + s.Cell(2, 3) + "\t" + s.Cell(2, 4) + "\r\n" + s.Cell(3, 3) + "\t" + s.Cell(3, 4));
}

}  // namespace wl

QTEST_MAIN(wl::TackListWindowTest)
#include "tack_list_window_test.moc"
