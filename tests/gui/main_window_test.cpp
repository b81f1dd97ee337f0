// The main window's commands, driven through its buttons, keys, menus and drops.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

namespace {

using Texts = std::vector<std::string>;
const std::string kChanged = "Data has changed, do you want to save first";

QByteArray ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Label(WindowHarness& h, const char* name) { return h.Find<QLabel>(name)->text(); }
bool Enabled(WindowHarness& h, const char* name) { return h.Find<QPushButton>(name)->isEnabled(); }

// Runs `click` and closes the modal window it opens; gives "objectName|text start|title".
template <class Click>
QString ModalWindowOf(Click click, QWidget** seen = nullptr) {
  QString name;
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      name = w->objectName();
      if (seen) *seen = w;
      if (auto* box = w->findChild<QPlainTextEdit*>("txtBox")) name += "|" + box->toPlainText().left(20);
      name += "|" + w->windowTitle();
      w->close();
    }
  });
  click();
  return name;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void OpenShowsTheTrackAndItsColours();
  void OpenDialogRemembersFilterAndFile();
  void OpenRefusesOtherFilesAndAsksWhenChanged();
  void DeleteSelectionsAndEmptyTrack();
  void InsertAfterTheLastRow();
  void SaveAllPointsOrTackPointsOnly();
  void RefusedOrFailedSaveLosesNothing();
  void UndoAndRedo();
  void DropOpensTheFile();
  void CloseAndDeleteFileAsk();
  void CommentsAndListWindows();
};

void MainWindowTest::OpenShowsTheTrackAndItsColours() {
  WindowHarness h;
  const std::string file = SamplePath("zigzag.trt");
  h.Open(file);
  QCOMPARE(h.prompts.asked.size(), size_t{1});
  QCOMPARE(h.prompts.asked[0].text, std::string("Open first file"));
  QCOMPARE(h.Rows(), 300);
  QCOMPARE(h.Grid()->model()->columnCount(), 20);
  QCOMPARE(h.Head(4), QString("HDG"));
  QCOMPARE(h.Cell(0, 7), QString());  // point 0 has no leg
  const QStringList row1{"1", "20210612 09:30:10", "54 N 22.334"};
  for (int c = 0; c < 3; ++c) QCOMPARE(h.Cell(1, c), row1[c]);
  QCOMPARE(h.Cell(1, 9), QString(":00:10"));
  QCOMPARE(h.Cell(1, 16), QString(" 040"));
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(file));
  for (const char* b : {"cmdPlot", "CmdShowTack", "CommandSave", "cmdDelFile", "cmdShowComments"})
    QVERIFY2(Enabled(h, b), b);

  // Tacks are yellow in the COG column only; a speed outlier is red in the time and leg-time columns.
  auto bg = [&](int row, int col) { return h.Grid()->model()->index(row, col).data(Qt::BackgroundRole); };
  int yellow = 0, red = 0;
  for (int row = 0; row < h.Rows(); ++row)
    for (int col = 0; col < 20; ++col)
      if (bg(row, col).isValid()) {
        QCOMPARE(bg(row, col).value<QColor>(), QColor(255, 255, 0));
        QCOMPARE(col, 4);
        ++yellow;
      }
  h.Open(SamplePath("spike.trc"));
  QVERIFY(!Enabled(h, "cmdShowComments"));
  for (int row = 0; row < h.Rows(); ++row)
    if (bg(row, 1).isValid()) {
      QCOMPARE(bg(row, 1).value<QColor>(), QColor(255, 0, 0));
      QCOMPARE(bg(row, 8).value<QColor>(), QColor(255, 0, 0));
      ++red;
    }
  QVERIFY(yellow > 0 && red > 0);
}

void MainWindowTest::OpenDialogRemembersFilterAndFile() {
  WindowHarness h;
  h.Open(SamplePath("zigzag.trt"));
  const FileDialogRequest first = h.prompts.asked.back().file;
  QCOMPARE(first.filter, std::string("Harbolt Tracks (*.trc)|*.trc|Logvane Tracks (*.trt)|*.trt|"
                                     "All Tracks(*.trc;*.trt)|*.trc;*.trt|All files|*.*"));
  QCOMPARE(first.filterIndex, 1);
  QCOMPARE(first.initialName, std::string());

  SettingsStore(h.ConfigFile()).Save("FileOpen", "LastExt", "2");
  h.Restart();
  h.Click("CommandOpenInput");  // cancelled
  QCOMPARE(h.prompts.asked.back().file.filterIndex, 2);
  QCOMPARE(h.prompts.asked.back().file.initialName, SamplePath("zigzag.trt"));
  QCOMPARE(h.Rows(), 1);

  // A save dialog that gives no name is a cancel.
  h.Open(SamplePath("zigzag.trt"));
  h.Save("");
  QCOMPARE(h.prompts.asked.back().file.title, std::string("Save file"));
  QCOMPARE(Label(h, "Outputfilenaam"), QString());
}

void MainWindowTest::OpenRefusesOtherFilesAndAsksWhenChanged() {
  WindowHarness h;
  h.Open(SamplePath("zigzag.trt"));
  h.prompts.Clear();
  h.Open("/tmp/notes.txt");
  QCOMPARE(h.prompts.Texts(), Texts{"/tmp/notes.txt is not a .trc or .trt track file"});
  h.prompts.Clear();
  h.Open(SamplePath("missing.trc"));
  QCOMPARE(h.prompts.Texts().size(), size_t{1});
  QCOMPARE(h.Rows(), 300);
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(SamplePath("zigzag.trt")));

  h.Key(Qt::Key_Delete);
  h.prompts.Clear();
  h.prompts.answers = {true};
  h.Open(SamplePath("zigzag.trc"));
  QCOMPARE(h.prompts.Texts(), Texts{kChanged});
  QCOMPARE(h.prompts.asked.size(), size_t{1});  // no file dialog
  QCOMPARE(h.Rows(), 299);
  h.prompts.answers = {false};
  h.Click("CommandOpenInput");
  QCOMPARE(h.Rows(), 300);
  QVERIFY(!h.Changed());
}

void MainWindowTest::DeleteSelectionsAndEmptyTrack() {
  WindowHarness h;
  h.Key(Qt::Key_Delete);
  h.Open(SamplePath("empty.trc"));
  QCOMPARE(h.prompts.Texts(), Texts{"Trackfile has only 0 points, plotting not possible"});
  h.prompts.Clear();
  h.Key(Qt::Key_Delete);
  h.EditAction("mnuTRCDeleteTP")->trigger();
  QVERIFY(h.prompts.asked.empty());
  QCOMPARE(h.Rows(), 1);
  QVERIFY(!h.Changed());

  h.Open(SamplePath("zigzag.trc"));
  const QString sixth = h.Cell(5, 1);
  h.ClickRow(4);
  h.ClickRow(2, Qt::ShiftModifier);
  QCOMPARE(h.Grid()->SelectionEndRow(), 2);
  h.prompts.Clear();
  h.prompts.answers = {false};
  h.Key(Qt::Key_Delete);
  QCOMPARE(h.Rows(), 300);
  QVERIFY(!h.Changed());
  h.Key(Qt::Key_Delete);
  QCOMPARE(h.prompts.Texts(), Texts(2, "Delete 3 Track Points, starting at 2"));
  QCOMPARE(h.Rows(), 297);
  QCOMPARE(h.Cell(2, 1), sixth);
  QCOMPARE(h.Cell(2, 0), QString("2"));
  QCOMPARE(h.Grid()->SelectionEndRow(), h.Grid()->CurrentRow());
  QCOMPARE(h.Grid()->CurrentRow(), 2);
  QCOMPARE(h.Grid()->highlight(), TrackTableView::Highlight::Always);
  QVERIFY(h.Changed());

  h.ClickRow(7);
  h.prompts.Clear();
  h.EditAction("mnuTRCDeleteTP")->trigger();
  QCOMPARE(h.prompts.Texts(), Texts{"Delete Track Point 7"});
  h.Key(Qt::Key_End);
  h.Key(Qt::Key_Delete);
  QCOMPARE(h.prompts.Texts().back(), std::string("Delete Track Point 295"));
  QCOMPARE(h.Rows(), 295);
  QCOMPARE(h.Grid()->CurrentRow(), 294);  // the new last row
}

void MainWindowTest::InsertAfterTheLastRow() {
  WindowHarness h;
  h.Open(SamplePath("zigzag.trt"));
  h.Key(Qt::Key_End);
  h.prompts.Clear();
  h.prompts.files = {SamplePath("zigzag.trc")};
  h.EditAction("mnuTRCInsertFileAfter")->trigger();
  QCOMPARE(h.prompts.Texts(), Texts{"can only insert file of same type (.trc resp .trt)!"});
  QCOMPARE(h.Rows(), 300);
  QVERIFY(!h.Changed());

  h.prompts.Clear();
  h.prompts.files = {SamplePath("one_point.trt")};
  h.prompts.answers = {false};
  h.EditAction("mnuTRCInsertFileAfter")->trigger();
  QCOMPARE(h.prompts.asked.front().text, std::string("Open append file"));
  QCOMPARE(h.prompts.Texts(), Texts{"INSERT FILE AFTER 299"});
  QCOMPARE(h.Rows(), 300);

  h.prompts.files = {SamplePath("one_point.trt")};
  h.EditAction("mnuTRCInsertFileAfter")->trigger();
  QCOMPARE(h.Rows(), 301);
  QCOMPARE(h.Cell(300, 1), QString("20210612 09:30:00"));
  QVERIFY(h.Changed());
}

void MainWindowTest::SaveAllPointsOrTackPointsOnly() {
  WindowHarness h;
  QTemporaryDir dir;
  const std::string all = dir.filePath("all.trt").toStdString();
  h.Open(SamplePath("zigzag.trt"));
  h.Key(Qt::Key_Delete);  // point 0
  h.prompts.Clear();
  h.Save(all);
  QCOMPARE(h.prompts.Texts(), Texts{"writing track file does not write comment lines (yet)!"});
  QByteArray expected;
  bool first = true;
  for (const QByteArray& line : ReadAll(SamplePath("zigzag.trt")).split('\n'))
    if (!line.isEmpty() && !line.startsWith("/*") && !std::exchange(first, false)) expected += line + "\n";
  QCOMPARE(ReadAll(all), expected);
  QCOMPARE(Label(h, "Outputfilenaam"), QString::fromStdString(all));
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(all));
  QVERIFY(!h.Changed());

  QTest::mouseClick(h.Find<QRadioButton>("OptionTrackWpts"), Qt::LeftButton);
  QVERIFY(!h.Find<QRadioButton>("OptionAllWpts")->isChecked());
  h.Save(dir.filePath("tacks.trt").toStdString());
  QByteArray tackLines;
  int count = 0;
  for (int i = 0; i < h.window().Store().TrackCount; ++i) {
    if (h.window().Processed().ProcRecs[static_cast<size_t>(i)].TackFlag != 1) continue;
    tackLines += QByteArray::fromStdString(std::string(h.window().Store().Line(i))) + "\r\n";
    ++count;
  }
  QVERIFY(count > 2);
  QCOMPARE(ReadAll(dir.filePath("tacks.trt").toStdString()), tackLines);
}

void MainWindowTest::RefusedOrFailedSaveLosesNothing() {
  WindowHarness h;
  QTemporaryDir dir;
  const std::string out = dir.filePath("out.trc").toStdString();
  QFile keep(QString::fromStdString(out));
  QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep me") == 7);
  keep.close();
  h.Open(SamplePath("zigzag.trc"));
  h.prompts.Clear();
  h.prompts.answers = {false};
  h.Save(out);
  QCOMPARE(h.prompts.Texts(), (Texts{out + " exists, do you want to overwite ?", "file not saved"}));
  QCOMPARE(h.prompts.asked[1].icon, Icon::Exclamation);
  QVERIFY(h.prompts.asked[1].defaultNo);
  QCOMPARE(ReadAll(out), QByteArray("keep me"));
  h.Save(out);
  QCOMPARE(ReadAll(out), ReadAll(SamplePath("zigzag.trc")));

  // A refused or failed save keeps the data changed and both labels as they were.
  h.Key(Qt::Key_Delete);
  h.prompts.Clear();
  h.Save(dir.filePath("out.trt").toStdString());
  QCOMPARE(h.prompts.Texts(), Texts{"Only extension \".trc\" is permitted for .trt file !"});
  QVERIFY(!QFile::exists(dir.filePath("out.trt")));
  h.Save(dir.filePath("no/such/folder/out.trc").toStdString());
  QVERIFY(h.Changed());
  QCOMPARE(Label(h, "Outputfilenaam"), QString::fromStdString(out));
  QCOMPARE(Label(h, "Inputfilenaam"), QString::fromStdString(out));
  QCOMPARE(ReadAll(out), ReadAll(SamplePath("zigzag.trc")));
}

void MainWindowTest::UndoAndRedo() {
  WindowHarness h;
  h.ShowActive();
  h.Open(SamplePath("zigzag.trt"));
  const QString eleventh = h.Cell(10, 1);
  h.ClickRow(10);
  h.Key(Qt::Key_Delete);
  const Qt::KeyboardModifiers undo = Qt::ControlModifier, redo = Qt::ControlModifier | Qt::ShiftModifier;
  h.Key(Qt::Key_Z, undo);
  QCOMPARE(h.Cell(10, 1), eleventh);
  QVERIFY(!h.Changed());  // back where the file was opened
  h.Key(Qt::Key_Z, undo);  // nothing left to undo
  QCOMPARE(h.Rows(), 300);
  h.Key(Qt::Key_Z, redo);
  QCOMPARE(h.Rows(), 299);
  QVERIFY(h.Changed());

  // A save makes the saved state the clean one.
  QTemporaryDir dir;
  h.Save(dir.filePath("saved.trt").toStdString());
  h.Key(Qt::Key_Z, undo);
  QVERIFY(h.Changed());
  h.Key(Qt::Key_Z, redo);
  QVERIFY(!h.Changed());

  // A new edit drops what could be redone.
  h.Key(Qt::Key_Z, undo);
  h.Key(Qt::Key_Home);
  h.Key(Qt::Key_Delete);
  h.Key(Qt::Key_Z, redo);
  QCOMPARE(h.Rows(), 299);
}

void MainWindowTest::DropOpensTheFile() {
  WindowHarness h;
  auto drop = [&](const std::string& file) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &event);
    QCoreApplication::processEvents();
  };
  drop(SamplePath("zigzag.trt"));
  QCOMPARE(h.Rows(), 300);
  h.Key(Qt::Key_Delete);
  h.prompts.Clear();
  h.prompts.answers = {false};
  drop("/tmp/notes.txt");
  QCOMPARE(h.prompts.Texts(), (Texts{kChanged, "/tmp/notes.txt is not a .trc or .trt track file"}));
  QCOMPARE(h.Rows(), 299);
}

void MainWindowTest::CloseAndDeleteFileAsk() {
  WindowHarness h;
  QTemporaryDir dir;
  const std::string copy = dir.filePath("copy.trc").toStdString();
  QVERIFY(QFile::copy(QString::fromStdString(SamplePath("zigzag.trc")), QString::fromStdString(copy)));
  h.ShowActive();
  h.Open(copy);
  QVERIFY(h.window().close());  // nothing changed: no question
  QVERIFY(h.prompts.Texts().empty());

  h.prompts.answers = {false};
  h.Click("cmdDelFile");
  QCOMPARE(h.prompts.Texts(), Texts{"Permanently Delete " + copy});
  QVERIFY(QFile::exists(QString::fromStdString(copy)));
  h.Click("cmdDelFile");
  QVERIFY(!QFile::exists(QString::fromStdString(copy)));
  QVERIFY(!Enabled(h, "cmdDelFile"));
  QCOMPARE(h.Rows(), 300);  // the points stay

  h.ShowActive();
  h.Key(Qt::Key_Delete);
  h.prompts.answers = {false};
  QVERIFY(!h.window().close());
  QCOMPARE(h.prompts.Texts().back(), std::string("Data have changed, do you want to quit without saving ?"));
  QVERIFY(h.window().isVisible());
  h.prompts.answers = {true};
  QVERIFY(h.window().close());
  QVERIFY(!h.window().isVisible());
}

void MainWindowTest::CommentsAndListWindows() {
  WindowHarness h;
  h.ShowActive();
  h.Click("cmdShowComments");
  QCOMPARE(h.prompts.Texts(),
           Texts{"in trt files, lines starting with \"/*\" are treated as comments;\r\nthis file has no comments"});
  h.Open(SamplePath("zigzag.trt"));
  QCOMPARE(ModalWindowOf([&] { h.Click("cmdShowComments"); }),
           QString("frmDisplText|---- /* Sample track|Wakeline  V1.1.129"));
  QCOMPARE(ModalWindowOf([&] { h.Click("CmdShowTack"); }).section('|', 0, 0), QString("frmTackData"));

  // The listing has its own store: no question about the changed track, which stays as it is.
  h.Key(Qt::Key_Delete);
  h.prompts.Clear();
  QWidget *listing = nullptr, *again = nullptr;
  QCOMPARE(ModalWindowOf([&] { h.Click("cmdListDist"); }, &listing).section('|', 0, 0), QString("frmShowFileData"));
  ModalWindowOf([&] { h.Click("cmdListDist"); }, &again);
  QCOMPARE(again, listing);
  for (const std::string& t : h.prompts.Texts()) QVERIFY(t.find("Data ha") == std::string::npos);
  QCOMPARE(h.Rows(), 299);
  QVERIFY(h.Changed());
}

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowTest)
#include "main_window_test.moc"
