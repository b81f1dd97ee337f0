// The desktop program's smaller parts: command line, file dialog filters, undo history.
#include <QTemporaryDir>
#include <QtTest>

#include "mainwin/command_line.h"
#include "mainwin/qt_prompts.h"
#include "mainwin/track_history.h"

namespace wl {

class GuiPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void CommandLineFileAndHeadingRepair();
  void FilterListBecomesQtNameFilters();
  void HistoryIsBoundedAndKnowsTheSavedState();
};

void GuiPartsTest::CommandLineFileAndHeadingRepair() {
  QTemporaryDir dir;
  QVERIFY(QDir::setCurrent(dir.path()));
  QFile sail("sail.trt");
  QVERIFY(sail.open(QIODevice::WriteOnly));

  GuiCommandLine c = ParseGuiCommandLine({});
  QVERIFY(c.file.empty() && !c.repairHeading && c.error.empty());
  c = ParseGuiCommandLine({"s"});
  QVERIFY(c.repairHeading && c.file.empty());
  c = ParseGuiCommandLine({"s", "race.trt"});
  QVERIFY(c.repairHeading);
  QCOMPARE(c.file, std::string("race.trt"));
  c = ParseGuiCommandLine({"sail.trt"});  // an existing file is opened, not a switch
  QVERIFY(!c.repairHeading);
  QCOMPARE(c.file, std::string("sail.trt"));
  c = ParseGuiCommandLine({"race.trt", "s"});  // only the first argument is the switch
  QVERIFY(!c.error.empty());
  c = ParseGuiCommandLine({"--repair-heading", "sail.trt"});
  QVERIFY(c.repairHeading);
  QCOMPARE(c.file, std::string("sail.trt"));
  QVERIFY(!ParseGuiCommandLine({"--frobnicate"}).error.empty());
  QVERIFY(ParseGuiCommandLine({"--help"}).help);
}

void GuiPartsTest::FilterListBecomesQtNameFilters() {
  const QStringList filters = QtNameFilters(
      "Harbolt Tracks (*.trc)|*.trc|Logvane Tracks (*.trt)|*.trt|All Tracks(*.trc;*.trt)|*.trc;*.trt|All files|*.*");
  QCOMPARE(filters, (QStringList{"Harbolt Tracks (*.trc)", "Logvane Tracks (*.trt)", "All Tracks (*.trc *.trt)",
                                 "All files (*)"}));
  QCOMPARE(QtNameFilters("odd|"), QStringList{"odd ()"});
  QCOMPARE(QtNameFilters(""), QStringList{});
}

void GuiPartsTest::HistoryIsBoundedAndKnowsTheSavedState() {
  TrackHistory history(2);
  TrackStore store;
  history.Reset();
  for (int32_t n = 1; n <= 3; ++n) {
    history.Push(std::make_unique<TrackStore>(store));
    store.TrackCount = n;
    store.DataChanged = true;
  }
  history.Undo(store);
  QCOMPARE(store.TrackCount, 2);
  QVERIFY(store.DataChanged);
  history.Undo(store);
  QCOMPARE(store.TrackCount, 1);
  QVERIFY(!history.CanUndo());  // the oldest snapshot went
  QVERIFY(store.DataChanged);

  history.MarkSaved();
  history.Redo(store);
  QCOMPARE(store.TrackCount, 2);
  QVERIFY(store.DataChanged);
  history.Undo(store);
  QVERIFY(!store.DataChanged);
}

}  // namespace wl

QTEST_MAIN(wl::GuiPartsTest)
#include "gui_parts_test.moc"
