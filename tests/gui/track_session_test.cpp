// The track session without windows: what its subscribers see, what it stores, what it keeps.
#include <QFile>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

namespace {

// A window's view of the session: what it was told, and the track as it saw it at that moment.
struct Subscriber {
  explicit Subscriber(TrackSession& s) {
    QObject::connect(&s, &TrackSession::TrackAboutToChange, [this] { events << "about"; });
    QObject::connect(&s, &TrackSession::TrackChanged, [this, &s] {
      events << "changed";
      points = s.Store().TrackCount;
    });
    QObject::connect(&s, &TrackSession::TrackProcessed, [this, &s] {
      events << "processed";
      processed = s.Processed().count;
    });
    QObject::connect(&s, &TrackSession::SettingChanged,
                     [this](SettingKey key) { events << QString::fromLatin1(Setting(key).name); });
    QObject::connect(&s, &TrackSession::CursorMoved, [this](int32_t i) { events << "cursor " + QString::number(i); });
    QObject::connect(&s, &TrackSession::TackFlagChanged, [this](int32_t i) { events << "flag " + QString::number(i); });
  }
  QStringList Take() { return std::exchange(events, {}); }
  QStringList events;
  int32_t points = -1, processed = -1;
};

struct Fixture : SessionFixture {
  explicit Fixture(const char* sample = "zigzag.trc") {
    session.OpenFile(SamplePath(sample));
    first.Take();
    second.Take();
  }
  Subscriber first{session}, second{session};
};

const QStringList kAfterEdit{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed", "changed"};
}  // namespace

class TrackSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void SubscribersFollowADeleteAnUndoAndASettingChange();
  void TheDerivedSpeedScaleIsLiveButNeverStored();
  void AFailedSaveChangesNothing();
  void TackFlagToggleLastsUntilTheNextPass();
  void SettingsThatCannotBeKeptAreToldOnce();
};

void TrackSessionTest::SubscribersFollowADeleteAnUndoAndASettingChange() {
  Fixture f;
  f.session.SetCursor(1000);
  f.session.SetCursor(299);
  QCOMPARE(f.first.Take(), QStringList{"cursor 299"});
  f.second.Take();
  f.prompts.ExpectQuestion("Delete 10 Track Points, starting at 290", true);
  QVERIFY(f.session.DeletePoints(290, 10));
  for (Subscriber* s : {&f.first, &f.second}) {
    QCOMPARE(s->Take(), (QStringList{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed", "cursor 289", "changed"}));
    QCOMPARE(s->points, 290);
    QCOMPARE(s->processed, 290);
  }
  QVERIFY(f.session.Store().DataChanged);

  QVERIFY(f.session.Undo());
  for (Subscriber* s : {&f.first, &f.second}) {
    QCOMPARE(s->Take(), kAfterEdit);
    QCOMPARE(s->processed, 300);
  }
  QVERIFY(!f.session.Store().DataChanged);  // back to what the file holds
  QCOMPARE(f.session.Cursor(), 289);

  // A stored key is written and announced; one that is not stored is only announced.
  f.session.ChangeSettings({SettingKey::TackAngle, SettingKey::PlotBlack}, [](SettingsValues& v) {
    v.tackAngle = "45";
    v.plotBlack = true;
  });
  for (Subscriber* s : {&f.first, &f.second}) QCOMPARE(s->Take(), (QStringList{"TackAngle", "chkPlotBlack"}));
  QCOMPARE(f.Stored("TackAngle"), std::string("45"));
  QCOMPARE(f.Stored("chkPlotBlack"), std::string("none"));
  QVERIFY(f.session.Settings().plotBlack);
}

void TrackSessionTest::TheDerivedSpeedScaleIsLiveButNeverStored() {
  {  // Before a track is read there is no scale: the boxes show their design texts.
    SessionFixture fresh;
    QCOMPARE(fresh.session.Settings().txtPltSpdHigh + " " + fresh.session.Settings().txtPltSpdLow,
             std::string("7.5 3.5"));
    QCOMPARE(fresh.session.Settings().PlotSpeedHigh, -1.0f);
  }
  Fixture f;
  QCOMPARE(f.session.Settings().PlotSpeedHigh, 6.0f);
  QCOMPARE(f.session.Settings().txtPltSpdLow, std::string("3.0"));
  QCOMPARE(f.Stored("PlotSpeedHigh"), std::string("none"));

  // A scale the user fixed is never replaced by a derived one.
  f.session.ChangeSettings({SettingKey::PlotSpeedHigh, SettingKey::PlotSpeedLow}, [](SettingsValues& v) {
    v.PlotSpeedHigh = 9;
    v.PlotSpeedLow = 4;
    v.PlotSpeedFixed = true;
  });
  QCOMPARE(f.Stored("PlotSpeedHigh") + " " + f.Stored("PlotSpeedLow"), std::string("9.0 4.0"));
  f.first.Take();
  f.session.Reprocess();
  QCOMPARE(f.first.Take(), QStringList{"processed"});
  QCOMPARE(f.session.Settings().PlotSpeedHigh, 9.0f);
}

void TrackSessionTest::AFailedSaveChangesNothing() {
  Fixture f;
  f.prompts.ExpectQuestion("Delete Track Point 0", true);
  f.session.DeletePoints(0, 1);
  f.first.Take();
  const std::string missing = f.dir.filePath("no/such/folder/out.trc").toStdString();
  f.prompts.ExpectFile("Save file", missing);
  f.prompts.ExpectMessage(missing + "\r\ncould not be written: No such file or directory");
  QVERIFY(!f.session.Save(false));
  const std::string existing = f.dir.filePath("Wakeline.ini").toStdString();
  f.prompts.ExpectFile("Save file", existing);
  f.prompts.ExpectQuestion(existing + " exists, do you want to overwite ?", false);
  f.prompts.ExpectMessage("file not saved");
  QVERIFY(!f.session.Save(false));

  QVERIFY(f.first.events.isEmpty());
  QVERIFY(f.session.Store().DataChanged);
  QCOMPARE(f.session.Store().InputFileName, SamplePath("zigzag.trc"));
  QCOMPARE(f.session.OutputFileName(), std::string());
  QVERIFY(QFile(QString::fromStdString(existing)).size() > 0);
  QVERIFY(f.session.Undo());  // the history still knows the opened state
  QVERIFY(!f.session.Store().DataChanged);
}

void TrackSessionTest::TackFlagToggleLastsUntilTheNextPass() {
  Fixture f("spike.trc");
  auto flag = [&](int32_t i) { return f.session.Processed().ProcRecs[static_cast<size_t>(i)].TackFlag; };
  int32_t outlier = 0;
  while (flag(outlier) != kOutlier) ++outlier;
  f.session.ToggleTackFlag(outlier);
  f.session.ToggleTackFlag(2);
  QCOMPARE(flag(outlier), int16_t{kOutlier});
  QCOMPARE(flag(2), int16_t{kTackPoint});
  f.session.ToggleTackFlag(2);
  QCOMPARE(flag(2), int16_t{kOrdinary});
  f.session.ToggleTackFlag(2);
  QCOMPARE(f.first.Take(), (QStringList{"flag 2", "flag 2", "flag 2"}));
  QVERIFY(!f.session.Store().DataChanged);
  f.session.Reprocess();
  QCOMPARE(flag(2), int16_t{kOrdinary});
}

void TrackSessionTest::SettingsThatCannotBeKeptAreToldOnce() {
  auto changeTackAngle = [](TrackSession& s, const char* angle) {
    s.ChangeSetting(SettingKey::TackAngle, [angle](SettingsValues& v) { v.tackAngle = angle; });
  };
  {  // A settings "file" that is a folder: told at start, kept as it is, the defaults used.
    QTemporaryDir dir;
    const std::string path = dir.filePath("Wakeline.ini").toStdString();
    QVERIFY(QDir().mkdir(QString::fromStdString(path)));
    SettingsStore store(path);
    ScriptedUiPrompts prompts;
    prompts.ExpectMessage(path + "\r\ncould not be read: not a regular file\r\nthe default settings are used");
    TrackSession session(store, prompts, {20000, 15000, false});
    changeTackAngle(session, "45");
    QVERIFY(QFileInfo(QString::fromStdString(path)).isDir());
    QCOMPARE(session.Settings().tackAngle, std::string("45"));
  }
  // A folder that goes away while the program runs: one message, and again after a good write.
  Fixture f;
  const QString folder = f.dir.path();
  QVERIFY(QDir(folder).removeRecursively());
  QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
  f.prompts.ExpectMessage(f.path + "\r\ncould not be written: Not a directory");
  changeTackAngle(f.session, "40");
  changeTackAngle(f.session, "35");
  QVERIFY(QFile::remove(folder));
  changeTackAngle(f.session, "30");
  QCOMPARE(f.Stored("TackAngle"), std::string("30"));
}

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackSessionTest)
#include "track_session_test.moc"
