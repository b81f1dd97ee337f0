// The main window's buttons, keys, menus and drops reach the session's commands, and what the
// commands did reaches the window.
#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

namespace {

const std::string kSaveFirst = "Data has changed, do you want to save first";

QByteArray ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Label(WindowHarness& h, const char* name) { return h.Find<QLabel>(name)->text(); }
bool Enabled(WindowHarness& h, const char* name) { return h.Find<QPushButton>(name)->isEnabled(); }

// Clicks the button and closes the modal window it opens: "objectName|start of its text".
QString ModalWindowOf(WindowHarness& h, const char* button, QWidget** seen = nullptr) {
  QString name;
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      name = w->objectName();
      if (seen) *seen = w;
      if (auto* box = w->findChild<QPlainTextEdit*>("txtBox")) name += "|" + box->toPlainText().left(20);
      w->close();
    }
  });
  h.Click(button);
  return name;
}

void Drop(QWidget& window, const std::string& file) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  QCoreApplication::processEvents();
}

}  // namespace

class MainWindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void OpenShowsTheFileAndRemembersTheDialog();
  void OpenAndDropAskToSaveFirst();
  void DeleteAndInsertActOnTheSelectedRows();
  void SaveWritesAllPointsOrTackPointsOnly();
  void UndoRedoAndClose();
  void ButtonsReachTheirCommandsAndWindows();
};

void MainWindowCommandsTest::OpenShowsTheFileAndRemembersTheDialog() {
  WindowHarness h;
  const std::string file = SamplePath("zigzag.trt");
  h.Open(file);
  QCOMPARE(h.prompts.asked.front().file.initialName, std::string());
  QCOMPARE(h.Rows(), 300);
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(file));
  for (const char* b : {"cmdPlot", "CmdShowTack", "CommandSave", "cmdDelFile", "cmdShowComments"})
    QVERIFY2(Enabled(h, b), b);
  QCOMPARE(h.Stored("FileOpen", "LastFile"), file);
  QCOMPARE(h.Stored("FileOpen", "LastExt"), std::string("1"));

  // The next start's dialog begins at the filter and file last chosen.
  h.session().StoreSetting(SettingKey::LastExt, "2");
  h.Restart();
  h.prompts.ExpectFile("Open first file", std::nullopt);
  h.Click("CommandOpenInput");
  QCOMPARE(h.prompts.asked.back().file.filterIndex, 2);
  QCOMPARE(h.prompts.asked.back().file.initialName, file);
  QCOMPARE(h.Rows(), 1);
}

void MainWindowCommandsTest::OpenAndDropAskToSaveFirst() {
  WindowHarness h;
  h.Open(SamplePath("zigzag.trt"));
  h.prompts.ExpectQuestion("Delete Track Point 0", true);
  h.Key(Qt::Key_Delete);
  h.prompts.ExpectQuestion(kSaveFirst, true);  // the user saves first: no dialog
  h.Click("CommandOpenInput");
  QCOMPARE(h.Rows(), 299);
  h.prompts.ExpectQuestion(kSaveFirst, false);
  h.prompts.ExpectMessage("/tmp/notes.txt is not a .trc or .trt track file");
  Drop(h.window(), "/tmp/notes.txt");
  QCOMPARE(h.Rows(), 299);
  h.prompts.ExpectQuestion(kSaveFirst, false);
  Drop(h.window(), SamplePath("one_point.trt"));
  QCOMPARE(h.Rows(), 1);
}

void MainWindowCommandsTest::DeleteAndInsertActOnTheSelectedRows() {
  WindowHarness h;
  h.prompts.ExpectFile("Open first file", SamplePath("empty.trc"));
  h.prompts.ExpectMessage("Trackfile has only 0 points, plotting not possible");
  h.Click("CommandOpenInput");
  h.Key(Qt::Key_Delete);  // nothing to delete, nothing asked

  h.Open(SamplePath("zigzag.trc"));
  h.ClickRow(4);
  h.ClickRow(2, Qt::ShiftModifier);  // selected upwards
  h.prompts.ExpectQuestion("Delete 3 Track Points, starting at 2", true);
  h.EditAction("mnuTRCDeleteTP")->trigger();
  QCOMPARE(h.Rows(), 297);
  QCOMPARE(h.Cell(2, 1), QString("20210612 09:30:50"));
  QCOMPARE(h.Grid()->CurrentRow(), 2);
  QCOMPARE(h.Grid()->SelectionEndRow(), 2);
  QCOMPARE(h.Grid()->highlight(), TrackTableView::Highlight::Always);
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

void MainWindowCommandsTest::SaveWritesAllPointsOrTackPointsOnly() {
  WindowHarness h;
  QTemporaryDir dir;
  const std::string all = dir.filePath("all.trc").toStdString();
  h.Open(SamplePath("zigzag.trc"));
  h.Save(all);
  QCOMPARE(ReadAll(all), ReadAll(SamplePath("zigzag.trc")));
  QCOMPARE(Label(h, "Outputfilenaam"), QString::fromStdString(all));
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(all));

  QTest::mouseClick(h.Find<QRadioButton>("OptionTrackWpts"), Qt::LeftButton);
  const std::string tacks = dir.filePath("tacks.trc").toStdString();
  h.Save(tacks);
  QCOMPARE(ReadAll(tacks).size(), 9 * 30);  // the nine tack points' records

  h.prompts.ExpectFile("Save file", all);
  h.prompts.ExpectQuestion(all + " exists, do you want to overwite ?", false);
  h.prompts.ExpectMessage("file not saved");
  h.Click("CommandSave");
  const ScriptedUiPrompts::Asked& overwrite = h.prompts.asked[h.prompts.asked.size() - 2];
  QCOMPARE(overwrite.icon, Icon::Exclamation);
  QVERIFY(overwrite.defaultNo);
  QCOMPARE(Label(h, "Outputfilenaam"), QString::fromStdString(tacks));
}

void MainWindowCommandsTest::UndoRedoAndClose() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trt"));
  h.ClickRow(10);
  h.prompts.ExpectQuestion("Delete Track Point 10", true);
  h.Key(Qt::Key_Delete);
  h.Key(Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(h.Rows(), 300);
  QVERIFY(!h.Changed());
  h.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(h.Rows(), 299);

  const std::string quit = "Data have changed, do you want to quit without saving ?";
  h.prompts.ExpectQuestion(quit, false);
  QVERIFY(!h.window().close());
  QVERIFY(h.window().isVisible());
  h.prompts.ExpectQuestion(quit, true);
  QVERIFY(h.window().close());
}

void MainWindowCommandsTest::ButtonsReachTheirCommandsAndWindows() {
  WindowHarness h;
  h.ShowActive();
  h.prompts.ExpectMessage(
      "in trt files, lines starting with \"/*\" are treated as comments;\r\nthis file has no comments");
  h.Click("cmdShowComments");
  h.prompts.ExpectMessage("The settings dialog is not available yet");
  h.Click("cmdCOMSet");

  QTemporaryDir dir;
  const std::string copy = dir.filePath("copy.trt").toStdString();
  QVERIFY(QFile::copy(QString::fromStdString(SamplePath("zigzag.trt")), QString::fromStdString(copy)));
  h.Open(copy);
  QCOMPARE(ModalWindowOf(h, "cmdShowComments"), QString("frmDisplText|---- /* Sample track"));
  QCOMPARE(ModalWindowOf(h, "CmdShowTack"), QString("frmTackData"));
  h.Click("cmdPlot");
  QVERIFY(h.window().findChild<QWidget*>("frmPlotter")->isVisible());
  QWidget *listing = nullptr, *again = nullptr;
  QCOMPARE(ModalWindowOf(h, "cmdListDist", &listing), QString("frmShowFileData"));
  ModalWindowOf(h, "cmdListDist", &again);
  QCOMPARE(again, listing);

  h.prompts.ExpectQuestion("Permanently Delete " + copy, false);
  h.Click("cmdDelFile");
  QVERIFY(QFile::exists(QString::fromStdString(copy)));
  h.prompts.ExpectQuestion("Permanently Delete " + copy, true);
  h.Click("cmdDelFile");
  QVERIFY(!QFile::exists(QString::fromStdString(copy)));
  QVERIFY(!Enabled(h, "cmdDelFile"));
  QCOMPARE(h.Rows(), 300);  // the points stay
  h.prompts.ExpectFile("Open first file", std::nullopt);
  h.Click("CommandOpenInput");  // even a cancelled Open sets the file buttons by the track's kind
  QVERIFY(Enabled(h, "cmdDelFile"));
}

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowCommandsTest)
#include "main_window_commands_test.moc"
