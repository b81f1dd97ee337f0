// The folder listing window on a temporary folder of sample tracks: which folder it lists, its
// rows as they are read, its type options, copies and folder chooser.
#include <QClipboard>
#include <QAbstractButton>
#include <QGuiApplication>
#include <QtTest>

#include "folderlist/ui/folder_list_window.h"
#include "support/window_harness.h"

namespace wl::test {

namespace {

// Four sample tracks (names in mixed case) and an empty subfolder; `lastFile`, if any, was the
// file last chosen in the file dialog.
struct Fixture : SessionFixture {
  explicit Fixture(const char* lastFile) {
    const char* samples[][2] = {
        {"zigzag.trt", "c.trt"}, {"spike.trc", "B.trc"}, {"zigzag.trc", "a.TRC"}, {"one_point.trt", "d.trt"}};
    for (auto& s : samples) QFile::copy(QString::fromStdString(SamplePath(s[0])), dir.filePath(s[1]));
    QDir(dir.path()).mkdir("empty");
    if (lastFile) session.StoreSetting(SettingKey::LastFile, dir.filePath(lastFile).toStdString());
  }
  std::string Folder() const { return dir.path().toStdString(); }
  QString Rows() {
    QStringList rows;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
      rows << grid->model()->index(r, 0).data().toString() + " " + grid->model()->index(r, 2).data().toString();
    return rows.join(", ");
  }
  void Click(const char* name) { QTest::mouseClick(window.findChild<QAbstractButton*>(name), Qt::LeftButton); }

  FolderListWindow window{session};
  ReadOnlyGrid* grid = window.findChild<ReadOnlyGrid*>("MSF");
  QLabel* label = window.findChild<QLabel*>("lblMsg");
};

}  // namespace

class FolderListWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ListsTheLastFilesFolderWithProgressThenTypeOptionsAndCopies() {
    Fixture f("c.trt");
    PaintedTexts painted(f.label);
    f.window.show();
    QTRY_COMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.Rows(), QString("a.TRC 300, B.trc 40, c.trt 300, d.trt 1"));
    QCOMPARE(f.label->text(), QString::fromStdString(f.Folder()) + "\n4 files, total distance 45.83888");
    QCOMPARE(painted.texts.mid(painted.texts.indexOf("25%"), 4), (QStringList{"25%", "50%", "75%", "100%"}));
    f.Click("optTRT");
    QCOMPARE(f.Rows(), QString("c.trt 300, d.trt 1"));
    f.Click("optTRC");
    QVERIFY(f.label->text().endsWith("\n2 files, total distance 41.21061"));

    const QString head = "Selected files of type .trc in:\r\n" + f.dir.path() + "\r\n\r\n";
    f.Click("cmdCopyAll");
    QCOMPARE(QGuiApplication::clipboard()->text(), head + "       4.6\ta.TRC\r\n      36.6\tB.trc\r\n");
    f.grid->selectRow(1);
    QVERIFY(TriggerGridMenu(f.grid, "mnuCopy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), head + "      36.6\tB.trc\r\n");
    QVERIFY(TriggerGridMenu(f.grid, "MnuSelAll", true));
    QCOMPARE(f.grid->selectionModel()->selectedRows().size(), 2);

    // Nothing listed: nothing copied.
    QGuiApplication::clipboard()->setText("kept");
    f.prompts.ExpectFolder(f.dir.filePath("empty").toStdString());
    f.Click("cmdBrowseFolder");
    f.Click("cmdCopyAll");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
  }

  void WithoutALastFileTheChooserPicksAndTheFolderIsKept() {
    Fixture f(nullptr);
    f.session.OpenFile(SamplePath("one_point.trt"));
    f.prompts.ExpectFolder(std::nullopt);  // cancelled: the modal show ends at once
    QTimer::singleShot(5000, &f.window, [&] { f.window.done(QDialog::Accepted); });  // a safety net only
    QCOMPARE(f.window.exec(), int(QDialog::Rejected));
    QCOMPARE(f.prompts.asked[0].initial + "/", SamplePath(""));  // where the open track is
    f.prompts.ExpectFolder(f.Folder());
    f.window.show();
    QTRY_COMPARE(f.grid->model()->rowCount(), 4);

    // Shown again later in the run: the same folder, listed afresh, no chooser.
    f.window.hide();
    QFile::remove(f.dir.filePath("d.trt"));
    f.window.show();
    QTRY_COMPARE(f.grid->model()->rowCount(), 3);
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::FolderListWindowTest)
#include "folder_list_window_test.moc"
