// The main window: its buttons, keys, menus and drops reach the session's commands, and what the
// commands did reaches the window; its window menu, progress, stored geometry and tack angle box.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "support/window_harness.h"
#include "widgets/twips.h"

namespace wl::test {

namespace {

bool Enabled(WindowHarness& h, const char* name) { return h.Find<QPushButton>(name)->isEnabled(); }

// Clicks the button and closes the modal window it opens: "objectName|start of its text", and whether
// the text is read-only in a fixed-pitch font.
QString ModalWindowOf(WindowHarness& h, const char* button) {
  QString name;
  OnNextModal([&](QWidget* w) {
    name = w->objectName();
    if (auto* box = w->findChild<QPlainTextEdit*>("txtBox")) {
      // Letters of one width keep the comments' columns aligned, whatever face the machine gives.
      const QFontMetrics shown(box->font());
      const bool fixedPitch = shown.horizontalAdvance("iiii") == shown.horizontalAdvance("WWWW");
      name += "|" + box->toPlainText().left(20) + (box->isReadOnly() && fixedPitch ? "" : " (editable, proportional)");
    }
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

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Also the tack angle box over the opened track; the buttons Open enables are clicked in
  // ButtonsReachTheirCommandsAndWindows.
  void OpenShowsTheFileAndRemembersTheDialog() {
    WindowHarness h;
    h.ShowActive();
    auto* progress = h.Find<QLabel>("lblProgress");
    PaintedTexts painted(progress);
    const std::string file = SamplePath("zigzag.trt");
    h.prompts.ExpectFile("Open first file", file, 2);
    h.Click("CommandOpenInput");
    QCOMPARE(h.Rows(), 300);
    QVERIFY(painted.texts.contains("100") && painted.texts.contains("99"));
    QCOMPARE(progress->text(), QString());
    QCOMPARE(h.Find<QLabel>("Inputfilenaam")->text(), QString::fromStdString(file));
    QCOMPARE(h.window().windowTitle(), QString("Wakeline  V" WAKELINE_VERSION " - zigzag.trt"));

    // The tack angle box is checked when left; a click that would leave it does not reach its button.
    auto* angle = h.Find<QLineEdit>("TackAngle");
    Type(angle, "70", false);
    h.prompts.ExpectMessage("TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis");
    h.Click("CommandOpenInput");  // reaching the button would ask for a file: not scripted
    QTRY_VERIFY(angle->hasFocus());
    QCOMPARE(h.Stored("Settings", "TackAngle"), std::string("none"));
    Type(angle, "0 degrees");
    QCOMPARE(angle->text(), QString("0"));
    QCOMPARE(h.Stored("Settings", "TackAngle"), std::string("0"));

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
  }

  void SaveStartsAtTheTrackAndAddsTheExtensionBeforeAsking() {
    WindowHarness h;
    h.ShowActive();
    QTemporaryDir dir;
    const std::string race = CopyOf(dir, "zigzag.trt"), named = dir.filePath("race.06").toStdString();
    // A drop opens without a dialog, so nothing is remembered: the save dialog starts from the track.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(race))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &drop);
    QCoreApplication::processEvents();
    const std::string noComments = "writing track file does not write comment lines (yet)!";
    h.prompts.ExpectFile("Save file", named);  // no track extension: the track's kind
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
    WindowHarness h;
    h.ShowActive();
    auto* hint = h.Find<QLabel>("lblStatus");
    // A log every second that turns every fourth point: the tack rule fires on GPS noise.
    h.Open(WAKELINE_SOURCE_DIR "/tests/gui/cases/dense.trt");
    QCOMPARE(hint->text(), QString("Dense log: Thin Track... (right-click the table) shows the manoeuvres"));

    const std::string ask = "Thin Track: keep one point every how many seconds? (1 to 3600)";
    h.prompts.ExpectNumber(ask, "0");
    h.prompts.ExpectMessage("The interval must be a whole number of seconds from 1 to 3600, not \"0\"");
    h.prompts.ExpectNumber(ask, "1");
    h.prompts.ExpectMessage("Thinning to one point every 1 s leaves all 120 points: nothing to thin");
    h.EditAction("mnuTRCThin")->trigger();
    h.EditAction("mnuTRCThin")->trigger();
    QVERIFY(!h.session().Store().DataChanged && hint->isVisible());
    h.prompts.ExpectNumber(ask, "10");
    h.prompts.ExpectQuestion("Thinning to one point every 10 s leaves 13 of 120 points. Thin the track?", true);
    h.EditAction("mnuTRCThin")->trigger();
    QCOMPARE(h.Rows(), 13);
    QVERIFY(h.session().Store().DataChanged && hint->isHidden());

    h.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(h.Rows(), 120);
    QVERIFY(!h.session().Store().DataChanged);
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
    QCOMPARE(ModalWindowOf(h, "cmdListDist"), QString("frmShowFileData"));

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

  void GeometryIsStoredAtCloseAndRestoredOnAScreen() {
    WindowHarness h;
    MainWindow& w = h.window();
    h.ShowActive();
    // The window menu opens on the free surface only, not over a control; it centres the window.
    auto* menu = h.Find<QMenu>("mnuOptions");
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, h.Find<QWidget>("CommandOpenInput")->geometry().center());
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(TwipsToPx(300, &w), TwipsToPx(1700, &w)));
    QVERIFY(menu->isVisible());
    menu->hide();
    w.move(3, 4);
    menu->findChild<QAction*>("mnuOptionsMv")->trigger();
    QTRY_COMPARE(w.frameGeometry().center(), w.screen()->geometry().center());

    h.window().move(40, 50);
    h.window().resize(790, 500);
    QTRY_COMPARE(h.window().size(), QSize(790, 500));
    QVERIFY(h.window().close());
    QCOMPARE(std::stod(h.Stored("Settings", "MainWidth")), PxToTwips(790, &h.window()));
    h.Restart();
    QCOMPARE(h.window().geometry(), QRect(40, 50, 790, 500));

    // Minimised, the window keeps what was stored.
    h.window().move(60, 70);
    h.window().showMinimized();
    QVERIFY(h.window().close());
    QCOMPARE(std::stod(h.Stored("Settings", "MainLeft")), PxToTwips(40, &h.window()));
  }

  // At the smallest size every caption shows whole, and so do the heads and a five-digit point number.
  void NothingIsCutOff() {
    QTemporaryDir dir;
    // A point every 2 s, and one GPS jump of a tenth of a degree, where the speeds are widest.
    QByteArray records(10001 * 30, '\0');
    for (int i = 0; i < 10001; ++i) {
      const double day = 45000 + i * 2 / 86400.0;
      memcpy(records.data() + i * 30 + 20, &day, sizeof day);
    }
    const int32_t jump = 6000;
    memcpy(records.data() + 5000 * 30, &jump, sizeof jump);
    QFile points(dir.filePath("long.trc"));
    QVERIFY(points.open(QIODevice::WriteOnly) && points.write(records) == records.size());
    points.close();
    WindowHarness h;
    h.ShowActive();
    h.Open(points.fileName().toStdString());
    QCOMPARE(h.Cell(10000, 0), QString("10000"));
    for (int row : {0, 5000, 5001, 10000}) QVERIFY2(RowWhole(h.Grid(), row), qPrintable(QString::number(row)));
    MainWindow& w = h.window();
    w.resize(100, 100);
    QTRY_COMPARE(w.size(), w.minimumSize());
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isWindow() || control == h.Grid()) continue;
      QVERIFY2(CaptionWhole(control) && w.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::MainWindowTest)
#include "main_window_test.moc"
