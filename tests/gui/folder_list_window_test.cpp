// The folder listing window on a temporary folder of sample tracks, with scripted prompts.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <optional>

#include "folderlist/ui/folder_list_window.h"
#include "support/scripted_ui_prompts.h"
#include "track/float_text.h"
#include "track/number_format.h"
#include "track/track_reader.h"

namespace wl {
namespace {

// The shared script, also noting where each folder chooser starts.
class FolderPrompts : public test::ScriptedUiPrompts {
 public:
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override {
    initialFolders.push_back(initialFolder);
    return ScriptedUiPrompts::ChooseFolder(title, initialFolder);
  }
  std::vector<std::string> initialFolders;
};

// Remembers what the label showed each time it was painted.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label_->text()))
      texts.push_back(label_->text());
    return false;
  }
  QStringList texts;

 private:
  QLabel* label_;
};

struct Sample {
  const char* source;
  const char* name;
};
constexpr Sample kSamples[] = {
    {"zigzag.trt", "c.trt"}, {"spike.trc", "B.trc"}, {"zigzag.trc", "a.TRC"}, {"one_point.trt", "d.trt"}};

struct Fixture {
  Fixture() : settings(dir.filePath("settings.ini").toStdString()) {
    for (const Sample& s : kSamples)
      QFile::copy(QString(WAKELINE_SOURCE_DIR "/data/samples/") + s.source, Path(s.name));
    QDir(dir.path()).mkdir("empty");
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  std::string Folder() const { return dir.path().toStdString(); }

  // The row the window should show for a file, read on its own.
  QStringList Row(const char* name) {
    TrackStore store;
    TrackBlock scratch;
    test::ScriptedUiPrompts quiet;
    readtrackfile(store, scratch, Path(name).toStdString(), 0, values.Reader(false), quiet);
    return {name, QString::fromStdString(ShortFloatText(store.GetCumDist())), QString::number(store.TrackCount)};
  }
  QString CopyLine(const QStringList& row) {
    const QString d = QString::fromStdString(FormatPoint(row[1].toFloat(), "0.0"));
    return QString(10 - d.size(), ' ') + d + "\t" + row[0] + "\r\n";
  }

  QTemporaryDir dir;
  SettingsStore settings;
  SettingsValues values;
  FolderPrompts prompts;
};

QStringList GridRow(QTableView& grid, int row) {
  QStringList cells;
  for (int c = 0; c < 3; ++c) cells << grid.model()->index(row, c).data().toString();
  return cells;
}

QStringList Names(QTableView& grid) {
  QStringList names;
  for (int r = 0; r < grid.model()->rowCount(); ++r) names << grid.model()->index(r, 0).data().toString();
  return names;
}

void Click(QWidget& window, const char* name) {
  auto* button = window.findChild<QAbstractButton*>(name);
  QVERIFY2(button != nullptr, name);
  QTest::mouseClick(button, Qt::LeftButton);
}

void MenuCommand(QWidget& window, QTableView& grid, const char* action) {
  QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(5, 5));
  auto* menu = window.findChild<QMenu*>("mnuListView1");
  QVERIFY(menu != nullptr && menu->isVisible());
  QCOMPARE(menu->title(), QString("LV"));
  menu->findChild<QAction*>(action)->trigger();
  menu->hide();
}

}  // namespace

class FolderListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ListsTheLastFilesFolderSortedWithProgressAndSummary();
  void EachTypeOptionListsAgainAtOnce();
  void CopyAllAndTheMenuCopy();
  void WithoutALastFileTheChooserPicksAndTheFolderIsKept();
  void ACancelledChooserEndsTheModalShow();
  void BrowsingToAnotherFolderOrCancelling();
};

void FolderListWindowTest::ListsTheLastFilesFolderSortedWithProgressAndSummary() {
  Fixture f;
  // The open track: the listing reads into its own store and leaves this one alone.
  TrackStore open;
  TrackBlock scratch;
  readtrackfile(open, scratch, f.Path("c.trt").toStdString(), 0, f.values.Reader(false), f.prompts);
  open.DataChanged = true;
  const int32_t count = open.TrackCount;

  f.settings.Save("FileOpen", "LastFile", f.Path("a.TRC").toStdString());
  FolderListWindow window(f.settings, f.values, f.prompts);
  QCOMPARE(window.objectName(), QString("frmShowFileData"));
  QCOMPARE(window.windowTitle(), QString("List Tracks"));
  auto* grid = window.findChild<QTableView*>("MSF");
  auto* label = window.findChild<QLabel*>("lblMsg");
  QVERIFY(grid != nullptr && label != nullptr);
  PaintedTexts painted(label);

  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 4);
  QVERIFY(f.prompts.asked.empty());  // no chooser, and no question about unsaved data either
  QCOMPARE(open.TrackCount, count);
  QVERIFY(open.DataChanged);
  QCOMPARE(open.TrackFileName, std::string("c.trt"));
  QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString("name"));
  QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QString("points"));
  QCOMPARE(Names(*grid), (QStringList{"a.TRC", "B.trc", "c.trt", "d.trt"}));
  const char* const sorted[] = {"a.TRC", "B.trc", "c.trt", "d.trt"};
  for (int r = 0; r < 4; ++r) QCOMPARE(GridRow(*grid, r), f.Row(sorted[r]));
  QCOMPARE(GridRow(*grid, 3), (QStringList{"d.trt", "0", "1"}));

  float total = 0;
  for (const Sample& s : kSamples) total += f.Row(s.name)[1].toFloat();
  QCOMPARE(label->text(), QString::fromStdString(f.Folder()) + "\n4 files, total distance " +
                              QString::fromStdString(ShortFloatText(total)));
  QCOMPARE(painted.texts.mid(painted.texts.indexOf("25%"), 4), (QStringList{"25%", "50%", "75%", "100%"}));

  // The first row is current and selected across all columns.
  QCOMPARE(grid->currentIndex().row(), 0);
  QCOMPARE(grid->currentIndex().column(), 0);
  QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 3);
  QVERIFY(grid->selectionModel()->isRowSelected(0, {}));
}

void FolderListWindowTest::EachTypeOptionListsAgainAtOnce() {
  Fixture f;
  f.settings.Save("FileOpen", "LastFile", f.Path("c.trt").toStdString());
  FolderListWindow window(f.settings, f.values, f.prompts);
  auto* grid = window.findChild<QTableView*>("MSF");
  auto* label = window.findChild<QLabel*>("lblMsg");
  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 4);
  QCOMPARE(window.findChild<QRadioButton*>("optTRC")->text(), QString("trc files"));

  Click(window, "optTRC");
  QCOMPARE(Names(*grid), (QStringList{"a.TRC", "B.trc"}));
  QVERIFY(label->text().endsWith("\n2 files, total distance " +
                                 QString::fromStdString(ShortFloatText(f.Row("a.TRC")[1].toFloat() +
                                                                       f.Row("B.trc")[1].toFloat()))));
  Click(window, "optTRT");
  QCOMPARE(Names(*grid), (QStringList{"c.trt", "d.trt"}));
  Click(window, "optBOTH");
  QCOMPARE(grid->model()->rowCount(), 4);
}

void FolderListWindowTest::CopyAllAndTheMenuCopy() {
  Fixture f;
  f.settings.Save("FileOpen", "LastFile", f.Path("a.TRC").toStdString());
  FolderListWindow window(f.settings, f.values, f.prompts);
  auto* grid = window.findChild<QTableView*>("MSF");
  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 4);
  Click(window, "optTRC");
  QCOMPARE(window.findChild<QPushButton*>("cmdCopyAll")->toolTip(),
           QString("Click to Copy all text to clipboard; you can also use the RightClick menu in the list to copy "
                   "selected lines"));

  const QString head = "Selected files of type .trc in:\r\n" + f.dir.path() + "\r\n\r\n";
  const QString all = head + f.CopyLine(f.Row("a.TRC")) + f.CopyLine(f.Row("B.trc"));
  Click(window, "cmdCopyAll");
  QCOMPARE(QGuiApplication::clipboard()->text(), all);

  // The menu copies the selected row; a right press keeps the selection.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 0)).center());
  MenuCommand(window, *grid, "mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), head + f.CopyLine(f.Row("B.trc")));

  MenuCommand(window, *grid, "MnuSelAll");
  QCOMPARE(grid->selectionModel()->selectedRows().size(), 2);
  QCOMPARE(grid->currentIndex().row(), 0);
  QGuiApplication::clipboard()->clear();
  MenuCommand(window, *grid, "mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), all);

  // Nothing listed: nothing to copy, the clipboard is left alone.
  Click(window, "optBOTH");
  QGuiApplication::clipboard()->setText("kept");
  QFile::remove(f.Path("a.TRC"));
  QFile::remove(f.Path("B.trc"));
  Click(window, "optTRC");
  QCOMPARE(grid->model()->rowCount(), 0);
  Click(window, "cmdCopyAll");
  MenuCommand(window, *grid, "mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
}

void FolderListWindowTest::WithoutALastFileTheChooserPicksAndTheFolderIsKept() {
  Fixture f;
  f.prompts.folders.push_back(f.Folder());
  FolderListWindow window(f.settings, f.values, f.prompts);
  auto* grid = window.findChild<QTableView*>("MSF");
  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 4);
  QCOMPARE(f.prompts.asked.size(), size_t{1});
  QVERIFY(f.prompts.asked[0].kind == test::ScriptedUiPrompts::Kind::Folder);
  QCOMPARE(f.prompts.asked[0].text, std::string("Select a Folder to list tracks from"));
  QCOMPARE(f.prompts.initialFolders[0], std::string());

  // Shown again later in the run: the same folder, listed afresh, no chooser.
  window.hide();
  QFile::remove(f.Path("d.trt"));
  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 3);
  QCOMPARE(f.prompts.asked.size(), size_t{1});
}

void FolderListWindowTest::ACancelledChooserEndsTheModalShow() {
  Fixture f;
  FolderListWindow window(f.settings, f.values, f.prompts);
  bool stuck = false;
  // A safety net only: the window must end its modal show by itself.
  QTimer::singleShot(5000, &window, [&] {
    stuck = true;
    window.done(QDialog::Accepted);
  });
  QCOMPARE(window.exec(), int(QDialog::Rejected));
  QVERIFY(!stuck);
  QVERIFY(!window.isVisible());
  QCOMPARE(f.prompts.initialFolders.size(), size_t{1});
  QCOMPARE(window.findChild<QTableView*>("MSF")->model()->rowCount(), 0);
}

void FolderListWindowTest::BrowsingToAnotherFolderOrCancelling() {
  Fixture f;
  f.settings.Save("FileOpen", "LastFile", f.Path("a.TRC").toStdString());
  FolderListWindow window(f.settings, f.values, f.prompts);
  auto* grid = window.findChild<QTableView*>("MSF");
  auto* label = window.findChild<QLabel*>("lblMsg");
  window.show();
  QTRY_COMPARE(grid->model()->rowCount(), 4);
  QCOMPARE(window.findChild<QPushButton*>("cmdBrowseFolder")->text(), QString("Select Folder"));

  Click(window, "cmdBrowseFolder");  // cancelled: nothing changes
  QCOMPARE(f.prompts.initialFolders.back(), f.Folder());
  QCOMPARE(grid->model()->rowCount(), 4);

  const std::string empty = f.Path("empty").toStdString();
  f.prompts.folders.push_back(empty);
  Click(window, "cmdBrowseFolder");
  QCOMPARE(grid->model()->rowCount(), 0);
  QCOMPARE(label->text(), QString::fromStdString(empty) + "\nNo files of selected type in this directory");
  Click(window, "cmdBrowseFolder");
  QCOMPARE(f.prompts.initialFolders.back(), empty);
}

}  // namespace wl

QTEST_MAIN(wl::FolderListWindowTest)
#include "folder_list_window_test.moc"
