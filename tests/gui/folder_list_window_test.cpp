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
#include "support/window_harness.h"
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

// A folder with four sample tracks (names in mixed case) and an empty subfolder, and a listing
// window on it; `lastFile` (if any) is the file last opened.
struct Fixture {
  explicit Fixture(const char* lastFile) : settings(dir.filePath("settings.ini").toStdString()) {
    const char* samples[][2] = {
        {"zigzag.trt", "c.trt"}, {"spike.trc", "B.trc"}, {"zigzag.trc", "a.TRC"}, {"one_point.trt", "d.trt"}};
    for (auto& s : samples) QFile::copy(QString(WAKELINE_SOURCE_DIR "/data/samples/") + s[0], Path(s[1]));
    QDir(dir.path()).mkdir("empty");
    if (lastFile) settings.Save("FileOpen", "LastFile", Path(lastFile).toStdString());
    window = std::make_unique<FolderListWindow>(settings, values, prompts);
    grid = window->findChild<QTableView*>("MSF");
    label = window->findChild<QLabel*>("lblMsg");
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
  QString CopyLine(const char* name) {
    const QString d = QString::fromStdString(FormatPoint(Row(name)[1].toFloat(), "0.0"));
    return QString(10 - d.size(), ' ') + d + "\t" + name + "\r\n";
  }
  QStringList Names() {
    QStringList names;
    for (int r = 0; r < grid->model()->rowCount(); ++r) names << grid->model()->index(r, 0).data().toString();
    return names;
  }
  void Click(const char* name) { QTest::mouseClick(window->findChild<QAbstractButton*>(name), Qt::LeftButton); }
  void Menu(const char* action) {
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    auto* menu = window->findChild<QMenu*>("mnuListView1");
    QVERIFY(menu != nullptr && menu->isVisible());
    QCOMPARE(menu->title(), QString("LV"));
    menu->findChild<QAction*>(action)->trigger();
    menu->hide();
  }

  QTemporaryDir dir;
  SettingsStore settings;
  SettingsValues values;
  FolderPrompts prompts;
  std::unique_ptr<FolderListWindow> window;
  QTableView* grid;
  QLabel* label;
};

}  // namespace

class FolderListWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ListsTheLastFilesFolderSortedWithProgressAndSummary();
  void TypeOptionsAndCopy();
  void WithoutALastFileTheChooserPicksAndTheFolderIsKept();
  void ACancelledChooserEndsTheModalShow();
  void BrowsingToAnotherFolderOrCancelling();
};

void FolderListWindowTest::ListsTheLastFilesFolderSortedWithProgressAndSummary() {
  Fixture f("a.TRC");
  QCOMPARE(f.window->objectName(), QString("frmShowFileData"));
  QCOMPARE(f.window->windowTitle(), QString("List Tracks"));
  test::PaintedTexts painted(f.label);
  f.window->show();
  QTRY_COMPARE(f.grid->model()->rowCount(), 4);
  QVERIFY(f.prompts.asked.empty());  // no chooser, and no question about unsaved data either
  QCOMPARE(f.grid->model()->headerData(0, Qt::Horizontal).toString(), QString("name"));
  const char* const sorted[] = {"a.TRC", "B.trc", "c.trt", "d.trt"};
  float total = 0;
  for (int r = 0; r < 4; ++r) {
    const QStringList row = f.Row(sorted[r]);
    for (int c = 0; c < 3; ++c) QCOMPARE(f.grid->model()->index(r, c).data().toString(), row[c]);
    total += row[1].toFloat();
  }
  QCOMPARE(f.Row("d.trt"), (QStringList{"d.trt", "0", "1"}));
  QCOMPARE(f.label->text(), QString::fromStdString(f.Folder()) + "\n4 files, total distance " +
                                QString::fromStdString(ShortFloatText(total)));
  QCOMPARE(painted.texts.mid(painted.texts.indexOf("25%"), 4), (QStringList{"25%", "50%", "75%", "100%"}));

  // The first row is current and selected across all columns.
  QCOMPARE(f.grid->currentIndex(), f.grid->model()->index(0, 0));
  QCOMPARE(f.grid->selectionModel()->selectedIndexes().size(), 3);
  QVERIFY(f.grid->selectionModel()->isRowSelected(0, {}));
}

void FolderListWindowTest::TypeOptionsAndCopy() {
  Fixture f("c.trt");
  f.window->show();
  QTRY_COMPARE(f.grid->model()->rowCount(), 4);
  f.Click("optTRT");
  QCOMPARE(f.Names(), (QStringList{"c.trt", "d.trt"}));
  f.Click("optTRC");
  QCOMPARE(f.Names(), (QStringList{"a.TRC", "B.trc"}));
  const float sum = f.Row("a.TRC")[1].toFloat() + f.Row("B.trc")[1].toFloat();
  QVERIFY(f.label->text().endsWith("\n2 files, total distance " + QString::fromStdString(ShortFloatText(sum))));
  QCOMPARE(f.window->findChild<QPushButton*>("cmdCopyAll")->toolTip(),
           QString("Click to Copy all text to clipboard; you can also use the RightClick menu in the list to copy "
                   "selected lines"));

  const QString head = "Selected files of type .trc in:\r\n" + f.dir.path() + "\r\n\r\n";
  const QString all = head + f.CopyLine("a.TRC") + f.CopyLine("B.trc");
  f.Click("cmdCopyAll");
  QCOMPARE(QGuiApplication::clipboard()->text(), all);
  // The menu copies the selected row; a right press keeps the selection.
  QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.grid->visualRect(f.grid->model()->index(1, 0)).center());
  f.Menu("mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), head + f.CopyLine("B.trc"));
  f.Menu("MnuSelAll");
  QCOMPARE(f.grid->selectionModel()->selectedRows().size(), 2);
  QCOMPARE(f.grid->currentIndex().row(), 0);
  QGuiApplication::clipboard()->clear();
  f.Menu("mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), all);

  // Nothing listed: nothing to copy, the clipboard is left alone.
  f.Click("optBOTH");
  QGuiApplication::clipboard()->setText("kept");
  QFile::remove(f.Path("a.TRC"));
  QFile::remove(f.Path("B.trc"));
  f.Click("optTRC");
  QCOMPARE(f.grid->model()->rowCount(), 0);
  f.Click("cmdCopyAll");
  f.Menu("mnuCopy");
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
}

void FolderListWindowTest::WithoutALastFileTheChooserPicksAndTheFolderIsKept() {
  Fixture f(nullptr);
  f.prompts.folders.push_back(f.Folder());
  f.window->show();
  QTRY_COMPARE(f.grid->model()->rowCount(), 4);
  QCOMPARE(f.prompts.asked.size(), size_t{1});
  QCOMPARE(f.prompts.asked[0].text, std::string("Select a Folder to list tracks from"));
  QCOMPARE(f.prompts.initialFolders[0], std::string());

  // Shown again later in the run: the same folder, listed afresh, no chooser.
  f.window->hide();
  QFile::remove(f.Path("d.trt"));
  f.window->show();
  QTRY_COMPARE(f.grid->model()->rowCount(), 3);
  QCOMPARE(f.prompts.asked.size(), size_t{1});
}

void FolderListWindowTest::ACancelledChooserEndsTheModalShow() {
  Fixture f(nullptr);
  bool stuck = false;
  QTimer::singleShot(5000, f.window.get(), [&] {  // a safety net only
    stuck = true;
    f.window->done(QDialog::Accepted);
  });
  QCOMPARE(f.window->exec(), int(QDialog::Rejected));
  QVERIFY(!stuck);
  QVERIFY(!f.window->isVisible());
  QCOMPARE(f.prompts.initialFolders.size(), size_t{1});
  QCOMPARE(f.grid->model()->rowCount(), 0);
}

void FolderListWindowTest::BrowsingToAnotherFolderOrCancelling() {
  Fixture f("a.TRC");
  f.window->show();
  QTRY_COMPARE(f.grid->model()->rowCount(), 4);
  f.Click("cmdBrowseFolder");  // cancelled: nothing changes
  QCOMPARE(f.prompts.initialFolders.back(), f.Folder());
  QCOMPARE(f.grid->model()->rowCount(), 4);

  const std::string empty = f.Path("empty").toStdString();
  f.prompts.folders.push_back(empty);
  f.Click("cmdBrowseFolder");
  QCOMPARE(f.grid->model()->rowCount(), 0);
  QCOMPARE(f.label->text(), QString::fromStdString(empty) + "\nNo files of selected type in this directory");
  f.Click("cmdBrowseFolder");
  QCOMPARE(f.prompts.initialFolders.back(), empty);
}

}  // namespace wl

QTEST_MAIN(wl::FolderListWindowTest)
#include "folder_list_window_test.moc"
