// The desktop program's smaller parts: command line, file dialog filters, window placement, the
// number entry of the settings boxes.
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "app/gui/command_line.h"
#include "widgets/numeric_input_box.h"
#include "widgets/qt_file_dialog.h"
#include "support/window_harness.h"
#include "widgets/window_placement.h"

namespace wl {

class GuiPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void CommandLineFileAndHeadingRepair() {
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile sail("sail.trt");
    QVERIFY(sail.open(QIODevice::WriteOnly));
    for (const QStringList& c : test::Cases("command_line.txt")) {
      std::vector<std::string> args;
      for (const QString& arg : c[0].split(' ', Qt::SkipEmptyParts)) args.push_back(arg.toStdString());
      const GuiCommandLine got = ParseGuiCommandLine(args);
      const QString file = got.error.empty() ? QString::fromStdString(got.file) : "refused";
      QCOMPARE(file + (got.repairHeading ? " | yes" : " | no"), c[1] + " | " + c[2]);
    }
  }

  void FilterListBecomesQtNameFilters() {
    const QStringList filters = QtNameFilters(
        "Harbolt Tracks (*.trc)|*.trc|Logvane Tracks (*.trt)|*.trt|All Tracks(*.trc;*.trt)|*.trc;*.trt|All files|*.*");
    QCOMPARE(filters, (QStringList{"Harbolt Tracks (*.trc)", "Logvane Tracks (*.trt)", "All Tracks (*.trc *.trt)",
                                   "All files (*)"}));
    QCOMPARE(QtNameFilters("odd|"), QStringList{"odd ()"});
  }

  void StoredPlaceStaysOnAScreen() {
    const QMap<QString, QRect> screens{{"primary", {0, 0, 800, 600}}, {"right", {800, 0, 1024, 768}}};
    auto rect = [](const QString& text) {
      const QStringList v = text.split(' ', Qt::SkipEmptyParts);
      return QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
    };
    for (const QStringList& c : test::Cases("window_places.txt")) {
      QList<QRect> now;
      for (const QString& name : c[1].split(' ', Qt::SkipEmptyParts)) now << screens[name];
      QCOMPARE(PlaceOnScreens(rect(c[0]), now), rect(c[2]));
    }
  }

  void NumberBoxUndoesWhatIsNoNumberAndPutsTheCaretBack() {
    for (const QStringList& c : test::Cases("number_box.txt")) {
      QLineEdit box(c[1]);
      box.show();
      new NumericInputBox(&box, c[0] != "0", c[0].toInt());
      box.setCursorPosition(c[2].toInt());
      QTest::keyClicks(&box, QString(c[3]).replace("\\b", "\b"));
      if (!c[4].isEmpty()) {
        QGuiApplication::clipboard()->setText(c[4]);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
      }
      QCOMPARE(box.text() + " | " + QString::number(box.cursorPosition()), c[5] + " | " + c[6]);
    }
  }
};

}  // namespace wl

QTEST_MAIN(wl::GuiPartsTest)
#include "gui_parts_test.moc"
