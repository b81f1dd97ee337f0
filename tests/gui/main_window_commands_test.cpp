// The main window's buttons, keys, menus and drops reach the session's commands, and what the
// commands did reaches the window.
#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

namespace {

bool Enabled(WindowHarness& h, const char* name) { return h.Find<QPushButton>(name)->isEnabled(); }

// Clicks the button and closes the modal window it opens: "objectName|start of its text".
QString ModalWindowOf(WindowHarness& h, const char* button, QWidget** seen = nullptr) {
  QString name;
  OnNextModal([&](QWidget* w) {
    name = w->objectName();
    if (seen) *seen = w;
    if (auto* box = w->findChild<QPlainTextEdit*>("txtBox")) name += "|" + box->toPlainText().left(20);
    w->close();
  });
  h.Click(button);
  return name;
}

// A copy of a sample in dir, for commands that change or delete their file.
std::string CopyOf(const QTemporaryDir& dir, const char* sample) {
  const QString copy = dir.filePath(sample);
  QFile::copy(QString::fromStdString(SamplePath(sample)), copy);
  return copy.toStdString();
}

}  // namespace

class MainWindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void OpenShowsTheFileAndRemembersTheDialog() {
    WindowHarness h;
    const std::string file = SamplePath("zigzag.trt");
    h.prompts.ExpectFile("Open first file", file, 2);
    h.Click("CommandOpenInput");
    QCOMPARE(h.Rows(), 300);
    QCOMPARE(h.Find<QLabel>("Inputfilenaam")->text(), QString::fromStdString(file));
    QCOMPARE(h.window().windowTitle(), QString("Wakeline  V" WAKELINE_VERSION " - zigzag.trt"));
    for (const char* b : {"cmdPlot", "CmdShowTack", "CommandSave", "cmdDelFile", "cmdShowComments"})
      QVERIFY2(Enabled(h, b), b);

    // The next start's dialog begins at the filter and file last chosen.
    h.Restart();
    h.prompts.ExpectFile("Open first file", std::nullopt);
    h.Click("CommandOpenInput");
    QCOMPARE(h.prompts.asked.back().file.filterIndex, 2);
    QCOMPARE(h.prompts.asked.back().file.initialName, file);
  }

  void DeleteAndInsertActOnTheSelectedRows() {
    WindowHarness h;
    h.Open(SamplePath("zigzag.trc"));
    h.ClickRow(4);
    h.ClickRow(2, Qt::ShiftModifier);  // selected upwards
    h.prompts.ExpectQuestion("Delete 3 Track Points, starting at 2", true);
    h.EditAction("mnuTRCDeleteTP")->trigger();
    QCOMPARE(h.Cell(2, 1), QString("20210612 09:30:50"));
    QCOMPARE(h.Grid()->highlight(), TrackTableView::Highlight::Always);
    QVERIFY(h.window().windowTitle().endsWith(" - zigzag.trc *"));
    h.Key(Qt::Key_End);
    h.prompts.ExpectQuestion("Delete Track Point 296", true);
    h.Key(Qt::Key_Delete);
    QCOMPARE(h.Grid()->CurrentRow(), 295);  // the new last row

    h.prompts.ExpectFile("Open append file", SamplePath("zigzag.trc"));
    h.prompts.ExpectQuestion("INSERT FILE AFTER 295", true);
    h.EditAction("mnuTRCInsertFileAfter")->trigger();
    QCOMPARE(h.Rows(), 596);
    QCOMPARE(h.Cell(296, 1), QString("20210612 09:30:00"));
  }

  void SaveStartsAtTheTrackAndAddsTheExtensionBeforeAsking() {
    WindowHarness h;
    h.ShowActive();
    QTemporaryDir dir;
    const std::string race = CopyOf(dir, "zigzag.trt"), named = dir.filePath("named").toStdString();
    // A drop opens without a dialog, so nothing is remembered: the save dialog starts from the track.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(race))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &drop);
    QCoreApplication::processEvents();
    const std::string noComments = "writing track file does not write comment lines (yet)!";
    h.prompts.ExpectFile("Save file", named);  // no extension: the track's kind
    h.prompts.ExpectMessage(noComments);
    QTest::keyClick(&h.window(), Qt::Key_S, Qt::ControlModifier);
    const FileDialogRequest& start = h.prompts.asked[h.prompts.asked.size() - 2].file;
    QCOMPARE(start.filterIndex, 2);
    QCOMPARE(start.initialName, race);
    QCOMPARE(h.Find<QLabel>("Outputfilenaam")->text(), QString::fromStdString(named + ".trt"));
    QCOMPARE(h.Stored("FileOpen", "LastFile"), named + ".trt");

    // The overwrite question asks about the file with its extension, and defaults to No.
    QTest::mouseClick(h.Find<QRadioButton>("OptionTrackWpts"), Qt::LeftButton);
    h.prompts.ExpectFile("Save file", named);
    h.prompts.ExpectQuestion(named + ".trt exists, do you want to overwite ?", true);
    h.prompts.ExpectMessage(noComments);
    h.Click("CommandSave");
    QVERIFY(h.prompts.asked[h.prompts.asked.size() - 2].defaultNo);
    QFile tacks(QString::fromStdString(named + ".trt"));
    QVERIFY(tacks.open(QIODevice::ReadOnly));
    QCOMPARE(tacks.readAll().count("\r\n"), 9);  // the nine tack points' lines
  }

  void DenseLogIsToldAndThinnedAsOneEdit() {
    // A log every second that turns every fourth point: the tack rule fires on GPS noise.
    QTemporaryDir dir;
    QFile f(dir.filePath("dense.trt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 120; ++i) {
      const double east = (i % 8 < 4 ? i % 4 : 4 - i % 4) * 3e-5;
      f.write(QString::asprintf("20210612 09:%02d:%02d,%.6f,%.6f,5.7,0,0,0,9.5,0,0,0,0,0,0,0,5.7\r\n", i / 60, i % 60,
                                54.3 + i * 2e-5, 10.1 + east)
                  .toLatin1());
    }
    f.close();
    WindowHarness h;
    h.ShowActive();
    auto* hint = h.Find<QLabel>("lblStatus");
    h.Open(f.fileName().toStdString());
    QCOMPARE(hint->text(), QString("Dense log: Thin Track... (right-click the table) shows the manoeuvres"));

    const std::string ask = "Thin Track: keep one point every how many seconds? (1 to 3600)";
    const std::string thin = "Thinning to one point every 10 s leaves 13 of 120 points. Thin the track?";
    h.prompts.ExpectNumber(ask, "10");
    h.prompts.ExpectQuestion(thin, false);
    h.EditAction("mnuTRCThin")->trigger();
    QVERIFY(!h.Changed() && hint->isVisible());
    h.prompts.ExpectNumber(ask, "10");
    h.prompts.ExpectQuestion(thin, true);
    h.EditAction("mnuTRCThin")->trigger();
    QCOMPARE(h.Rows(), 13);
    QVERIFY(h.Changed() && hint->isHidden());

    h.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Rows(), 120);
    QVERIFY(!h.Changed());
    QVERIFY(!h.EditAction("mnuTRCUndo")->isEnabled() && h.EditAction("mnuTRCRedo")->isEnabled());
    h.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(h.Rows(), 13);
    h.prompts.ExpectQuestion("Data have changed, do you want to quit without saving ?", false);
    QVERIFY(!h.window().close());
  }

  void ButtonsReachTheirCommandsAndWindows() {
    WindowHarness h;
    h.ShowActive();
    h.prompts.ExpectMessage(
        "in trt files, lines starting with \"/*\" are treated as comments;\r\nthis file has no comments");
    h.Click("cmdShowComments");

    QTemporaryDir dir;
    const std::string copy = CopyOf(dir, "zigzag.trt");
    h.Open(copy);
    QCOMPARE(ModalWindowOf(h, "cmdShowComments"), QString("frmDisplText|---- /* Sample track"));
    QCOMPARE(ModalWindowOf(h, "CmdShowTack"), QString("frmTackData"));
    h.Click("cmdPlot");
    QVERIFY(h.window().findChild<QWidget*>("frmPlotter")->isVisible());
    QWidget *listing = nullptr, *again = nullptr;
    QCOMPARE(ModalWindowOf(h, "cmdListDist", &listing), QString("frmShowFileData"));
    ModalWindowOf(h, "cmdListDist", &again);
    QCOMPARE(again, listing);

    h.prompts.ExpectQuestion("Permanently Delete " + copy, true);
    h.Click("cmdDelFile");
    QVERIFY(!QFile::exists(QString::fromStdString(copy)));
    QVERIFY(!Enabled(h, "cmdDelFile"));
    QCOMPARE(h.Rows(), 300);  // the points stay
    h.prompts.ExpectFile("Open first file", std::nullopt);
    h.Click("CommandOpenInput");  // even a cancelled Open sets the file buttons by the track's kind
    QVERIFY(Enabled(h, "cmdDelFile"));
    h.Click("cmdDelFile");  // the file went behind the program's back: nothing asked
    QVERIFY(!Enabled(h, "cmdDelFile"));
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowCommandsTest)
#include "main_window_commands_test.moc"
