// The real message boxes and number box: what Enter, Escape and closing the box answer to the
// session's questions. No key may lose an edit or a file.
#include <QInputDialog>
#include <QMessageBox>
#include <QtTest>
#include <functional>

#include "support/window_harness.h"
#include "widgets/qt_prompts.h"

namespace wl::test {

namespace {

constexpr int kClose = 0;  // closes the box instead of pressing a key

// Runs the command; the modal box it opens gets the key, or is closed. The box's text lands in
// `text`.
template <class Command>
auto Answered(int key, QString& text, Command command) {
  OnNextModal([key, &text](QWidget* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box)) text = message->text();
    if (auto* number = qobject_cast<QInputDialog*>(box)) text = number->textValue();
    if (key == kClose) {
      box->close();
    } else {
      QTest::keyClick(box, Qt::Key(key));
    }
    // A box that let the key pass would hang the test.
    if (box->isVisible()) QTimer::singleShot(100, box, [box] { box->hide(); });
  });
  return command();
}

}  // namespace

class QtPromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void NoKeyLosesAnEditOrAFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath("race.trt");
    QVERIFY(QFile::copy(QString::fromStdString(SamplePath("zigzag.trt")), file));
    SettingsStore settings(dir.filePath("Wakeline.ini").toStdString());
    QtPrompts prompts;
    TrackSession session(settings, prompts, {20000, 15000, false});
    QVERIFY(session.OpenFile(file.toStdString()));
    QString text;
    QVERIFY(Answered(Qt::Key_Return, text, [&] { return session.DeletePoints(0, 1); }));
    QCOMPARE(text, QString("Delete Track Point 0"));

    const struct {
      QString question;
      std::function<bool()> command;
      QList<int> keys;
    } cases[] = {
        {"Data have changed, do you want to quit without saving ?", [&] { return session.MayQuit(); },
         {Qt::Key_Return, Qt::Key_Escape, kClose}},
        {"Data has changed, do you want to save first", [&] { return session.OpenFile(SamplePath("one_point.trt")); },
         {Qt::Key_Return, Qt::Key_Escape, kClose}},
        {"Permanently Delete " + file, [&] { return session.DeleteOpenFile(); }, {Qt::Key_Return, Qt::Key_Escape}},
    };
    for (const auto& c : cases) {
      for (int key : c.keys) {
        text.clear();
        QVERIFY2(!Answered(key, text, c.command), qPrintable(c.question));
        QCOMPARE(text, c.question);
      }
    }
    QCOMPARE(session.Store().TrackCount, 299);
    QVERIFY(QFile::exists(file));
  }

  void WholeNumberBoxStartsAtItsDefaultAndTakesDigitsOnly() {
    QtPrompts prompts;
    QString text;
    QCOMPARE(Answered(Qt::Key_Escape, text, [&] { return prompts.AskWholeNumber("Seconds?", 10); }), std::nullopt);
    QCOMPARE(text, QString("10"));
    OnNextModal([](QWidget* dialog) {
      auto* box = dialog->findChild<QLineEdit*>();
      box->selectAll();
      QTest::keyClicks(box, "2x5");
      QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(prompts.AskWholeNumber("Seconds?", 10), std::optional<std::string>("25"));
  }

  // The window tests' own prompts answer only what is scripted, in order.
  void ScriptedPromptsFailOnWhatIsNotScriptedOrNeverAsked() {
    auto* prompts = new ScriptedUiPrompts;
    prompts->ExpectQuestion("Scripted", true);
    QEXPECT_FAIL("", "asked, but not scripted", Continue);
    QVERIFY(!prompts->AskYesNo("Not scripted", Icon::None, false));
    QEXPECT_FAIL("", "scripted, but never asked", Continue);
    delete prompts;
    QVERIFY(!QTest::currentTestFailed());  // both failures were the expected ones
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::QtPromptsTest)
#include "qt_prompts_test.moc"
