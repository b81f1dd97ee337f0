// The track session without windows: what its subscribers see, what it stores, what it keeps.
#include <QFile>
#include <QtTest>

#include "support/window_harness.h"

namespace wl::test {

namespace {

// A session on a sample, and what it told its subscribers.
struct Fixture : SessionFixture {
  explicit Fixture(const char* sample = "zigzag.trc") {
    session.OpenFile(SamplePath(sample));
    QObject::connect(&session, &TrackSession::TrackAboutToChange, [this] { events << "about"; });
    QObject::connect(&session, &TrackSession::TrackChanged, [this] { events << "changed"; });
    QObject::connect(&session, &TrackSession::TrackProcessed,
                     [this] { events << "processed " + QString::number(session.Processed().count); });
    QObject::connect(&session, &TrackSession::SettingChanged,
                     [this](SettingKey key) { events << QString::fromLatin1(Setting(key).name); });
    QObject::connect(&session, &TrackSession::CursorMoved, [this](int32_t i) { events << "cursor " + QString::number(i); });
    QObject::connect(&session, &TrackSession::TackFlagChanged, [this](int32_t i) { events << "flag " + QString::number(i); });
  }
  QStringList Take() { return std::exchange(events, {}); }
  int16_t Flag(int32_t i) const { return session.Processed().ProcRecs[static_cast<size_t>(i)].TackFlag; }
  void TackAngle(const char* angle) {
    session.ChangeSetting(SettingKey::TackAngle, [angle](SettingsValues& v) { v.tackAngle = angle; });
  }
  QStringList events;
};

}  // namespace

class TrackSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void SubscribersFollowADeleteAnUndoAndASettingChange() {
    Fixture f;
    f.session.SetCursor(1000);
    f.session.SetCursor(299);
    QCOMPARE(f.Take(), QStringList{"cursor 299"});
    f.prompts.ExpectQuestion("Delete 10 Track Points, starting at 290", true);
    QVERIFY(f.session.DeletePoints(290, 10));
    QCOMPARE(f.Take(), (QStringList{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed 290", "cursor 289", "changed"}));
    QCOMPARE(f.session.Store().TrackCount, 290);
    QVERIFY(f.session.Store().DataChanged);
    QVERIFY(f.session.Undo());
    QCOMPARE(f.Take(), (QStringList{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed 300", "changed"}));
    QVERIFY(!f.session.Store().DataChanged);  // back to what the file holds
    QVERIFY(f.session.Redo());
    QCOMPARE(f.session.Store().TrackCount, 290);

    // A stored key is written and announced; one that is not stored is only announced, as is the
    // derived speed scale.
    f.Take();
    f.session.ChangeSettings({SettingKey::TackAngle, SettingKey::PlotBlack}, [](SettingsValues& v) {
      v.tackAngle = "45";
      v.plotBlack = true;
    });
    QCOMPARE(f.Take(), (QStringList{"TackAngle", "chkPlotBlack"}));
    QCOMPARE(f.Stored("TackAngle") + " " + f.Stored("chkPlotBlack"), std::string("45 none"));
    QCOMPARE(f.session.Settings().PlotSpeedHigh, 6.0f);
    QCOMPARE(f.Stored("PlotSpeedHigh"), std::string("none"));
  }

  void AFailedSaveChangesNothing() {
    Fixture f;
    f.prompts.ExpectQuestion("Delete Track Point 0", true);
    f.session.DeletePoints(0, 1);
    f.Take();
    const std::string missing = f.dir.filePath("no/such/folder/out.trc").toStdString();
    f.prompts.ExpectFile("Save file", missing);
    f.prompts.ExpectMessage(missing + "\r\ncould not be written: No such file or directory");
    QVERIFY(!f.session.Save(false));
    QVERIFY(f.events.isEmpty());
    QVERIFY(f.session.Store().DataChanged);
    QCOMPARE(f.session.OutputFileName(), std::string());
    QVERIFY(f.session.Undo());  // the history still knows the opened state
    QVERIFY(!f.session.Store().DataChanged);
  }

  void TackFlagToggleLastsUntilTheNextPass() {
    Fixture f("spike.trc");
    int32_t outlier = 0;
    while (f.Flag(outlier) != kOutlier) ++outlier;
    f.session.ToggleTackFlag(outlier);
    f.session.ToggleTackFlag(2);
    QCOMPARE(f.Flag(outlier), int16_t{kOutlier});
    QCOMPARE(f.Flag(2), int16_t{kTackPoint});
    f.session.ToggleTackFlag(2);
    QCOMPARE(f.Flag(2), int16_t{kOrdinary});
    f.session.ToggleTackFlag(2);
    QCOMPARE(f.Take(), (QStringList{"flag 2", "flag 2", "flag 2"}));
    QVERIFY(!f.session.Store().DataChanged);
    f.session.Reprocess();
    QCOMPARE(f.Flag(2), int16_t{kOrdinary});
  }

  void SettingsThatCannotBeKeptAreToldOnce() {
    {  // A settings "file" that is a folder: told at start, kept as it is.
      QTemporaryDir dir;
      const std::string path = dir.filePath("Wakeline.ini").toStdString();
      QVERIFY(QDir().mkdir(QString::fromStdString(path)));
      SettingsStore store(path);
      ScriptedUiPrompts prompts;
      prompts.ExpectMessage(path + "\r\ncould not be read: not a regular file\r\nthe default settings are used");
      TrackSession session(store, prompts, {20000, 15000, false});
    }
    // A folder that goes away while the program runs: one message, and again after a good write.
    Fixture f;
    const QString folder = f.dir.path();
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    f.prompts.ExpectMessage(f.path + "\r\ncould not be written: Not a directory");
    f.TackAngle("40");
    f.TackAngle("35");
    QVERIFY(QFile::remove(folder));
    f.TackAngle("30");
    QCOMPARE(f.Stored("TackAngle"), std::string("30"));
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackSessionTest)
#include "track_session_test.moc"
