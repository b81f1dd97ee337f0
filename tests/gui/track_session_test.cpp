// The track session without windows: what its subscribers see, what it stores, what it keeps;
// its sentence output over TCP, and its replay on a clock and an output of the test's own.
#include <QTcpServer>
#include <QtTest>

#include "nmea/nmea_test_support.h"
#include "plot/plot_view.h"
#include "plot/ui/plot_window.h"
#include "session/nmea_link.h"
#include "session/track_replay.h"
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
    QObject::connect(&session, &TrackSession::CursorMoved,
                     [this](int32_t i) { events << "cursor " + QString::number(i); });
    QObject::connect(&session, &TrackSession::TackFlagChanged,
                     [this](int32_t i) { events << "flag " + QString::number(i); });
  }
  QStringList Take() { return std::exchange(events, {}); }
  int16_t Flag(int32_t i) const { return session.Processed().ProcRecs[static_cast<size_t>(i)].TackFlag; }
  void TackAngle(const char* angle) {
    session.ChangeSetting(SettingKey::TackAngle, [angle](SettingsValues& v) { v.tackAngle = angle; });
  }
  QStringList events;
};

// Runs the tick that is due when the test says, at its deadline.
struct FakeTimer : ReplayTimer {
  ReplayClock::time_point Now() const override { return now; }
  void CallAt(ReplayClock::time_point d, std::function<void()> f) override { due = d, call = std::move(f); }
  void Cancel() override { call = nullptr; }
  int64_t Fire() {  // the tick's time, ms
    now = due;
    if (std::function<void()> f = std::move(call)) f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  }
  ReplayClock::time_point now, due;
  std::function<void()> call;
};

// Three points a minute apart at 5.7 kn: at rate 60, legs of two 500 ms steps.
struct Replaying : SessionFixture {
  explicit Replaying(std::optional<int32_t> lineSpeed = std::nullopt) {
    QFile f(dir.filePath("minutes.trt"));
    if (!f.open(QIODevice::WriteOnly)) qFatal("no track file");
    for (const char* t : {"09:30:00,54.3725", "09:31:00,54.3741", "09:32:00,54.3757"})
      f.write(QByteArray("20210612 ") + t + ",10.1683,5.7,0.1,0,0,14.3,0.7,0.5,4.1,6.4,8.9,0,0.1,6\r\n");
    f.close();
    session.OpenFile(f.fileName().toStdString());
    replay().UseTimer(std::unique_ptr<FakeTimer>(timer));
    replay().UseOutput(output, lineSpeed);
    session.ChangeSetting(SettingKey::NMEAOut, [](SettingsValues& v) { v.nmeaOut = true; });
  }
  TrackReplay& replay() { return session.Replay(); }
  CaptureOutput output;
  FakeTimer* timer = new FakeTimer;
};

}  // namespace

class TrackSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void SubscribersFollowADeleteAnUndoAFailedSaveAndASettingChange() {
    Fixture f;
    QStringList second;  // another view, which hears the same as the first
    QObject::connect(&f.session, &TrackSession::TrackChanged,
                     [&] { second << "changed " + QString::number(f.session.Store().TrackCount); });
    QObject::connect(&f.session, &TrackSession::SettingChanged,
                     [&](SettingKey key) { second << QString::fromLatin1(Setting(key).name); });
    f.session.SetCursor(1000);
    f.session.SetCursor(299);
    QCOMPARE(f.Take(), QStringList{"cursor 299"});
    f.prompts.ExpectQuestion("Delete 10 Track Points, starting at 290", true);
    QVERIFY(f.session.DeletePoints(290, 10));
    QCOMPARE(f.Take(),
             (QStringList{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed 290", "cursor 289", "changed"}));
    QCOMPARE(f.session.Store().TrackCount, 290);
    QVERIFY(f.session.Store().DataChanged);
    QVERIFY(f.session.Undo());
    QCOMPARE(f.Take(), (QStringList{"about", "PlotSpeedHigh", "PlotSpeedLow", "processed 300", "changed"}));
    QVERIFY(!f.session.Store().DataChanged);  // back to what the file holds
    QVERIFY(f.session.Redo());
    QCOMPARE(f.session.Store().TrackCount, 290);
    f.Take();

    // A failed save changes nothing, and the history still knows the opened state.
    const std::string missing = f.dir.filePath("no/such/folder/out.trc").toStdString();
    f.prompts.ExpectFile("Save file", missing);
    f.prompts.ExpectMessage(missing + "\r\ncould not be written: No such file or directory");
    QVERIFY(!f.session.Save(false));
    QVERIFY(f.events.isEmpty());
    QVERIFY(f.session.Store().DataChanged);
    QCOMPARE(f.session.OutputFileName(), std::string());
    QVERIFY(f.session.Undo());
    QVERIFY(!f.session.Store().DataChanged);

    // A stored key is written and announced; one that is not stored is only announced, as is the
    // derived speed scale.
    f.Take();
    f.session.ChangeSettings({SettingKey::TackAngle, SettingKey::PlotBlack}, [](SettingsValues& v) {
      v.tackAngle = "45";
      v.plotBlack = true;
    });
    QCOMPARE(f.Take(), (QStringList{"TackAngle", "chkPlotBlack"}));
    QCOMPARE(f.Stored("TackAngle") + " " + f.Stored("chkPlotBlack"), std::string("45 none"));
    QCOMPARE(f.Stored("PlotSpeedHigh"), std::string("none"));
    QCOMPARE(second.join(' '), QString("PlotSpeedHigh PlotSpeedLow changed 290 PlotSpeedHigh PlotSpeedLow changed 300 "
                                       "PlotSpeedHigh PlotSpeedLow changed 290 PlotSpeedHigh PlotSpeedLow changed 300 "
                                       "TackAngle chkPlotBlack"));
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
    Fixture f;
    // A settings "file" that is a folder: told at start.
    const std::string unreadable = f.dir.filePath("folder.ini").toStdString();
    QVERIFY(QDir().mkdir(QString::fromStdString(unreadable)));
    SettingsStore store(unreadable);
    f.prompts.ExpectMessage(unreadable + "\r\ncould not be read: not a regular file\r\nthe default settings are used");
    TrackSession atStart(store, f.prompts, {20000, 15000, false});

    // A folder that goes away while the program runs: one message, and again after a good write.
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

  void TheTcpServerListensOnceChosenAndEnabled() {
    SessionFixture f;
    NmeaLink& link = f.session.Link();
    uint16_t port = 0;
    {
      QTcpServer probe;  // a port free at this moment
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      port = probe.serverPort();
    }
    QSignalSpy changed(&link, &NmeaLink::OutputChanged);
    f.session.ChangeSettings({SettingKey::NMEATcpPort, SettingKey::NMEAOutput}, [&](SettingsValues& v) {
      v.nmeaTcpPort = port;
      v.nmeaOutput = NmeaOutputKind::Tcp;
    });
    QCOMPARE(changed.count(), 2);
    QVERIFY(!link.Output().IsOpen());  // not yet enabled
    f.session.ChangeSetting(SettingKey::NMEAOut, [](SettingsValues& v) { v.nmeaOut = true; });
    QVERIFY(link.Output().IsOpen());
    QCOMPARE(link.Name(), "tcp://0.0.0.0:" + std::to_string(port));
    // What the server sends its clients is network_output_test's.
    f.session.ChangeSetting(SettingKey::NMEAOutput, [](SettingsValues& v) { v.nmeaOutput = NmeaOutputKind::Udp; });
    QCOMPARE(changed.count(), 3);
  }

  void TicksMoveTheCursorAndTheShownPlotAndF2StartsAndStops() {
    Replaying r;
    QSignalSpy stopped(&r.replay(), &TrackReplay::Stopped);
    PlotWindow plot(r.session);
    plot.show();
    QTRY_VERIFY(plot.View().State().PlotReady);
    QTest::keyClick(&plot, Qt::Key_F2);
    QCOMPARE(plot.windowTitle(), QString("Plot Route - minutes.trt - replaying"));
    QCOMPARE(r.timer->Fire(), int64_t{100});  // to point 1
    QCOMPARE(r.session.Cursor(), 1);
    QCOMPARE(plot.View().State().CursorIndex, 1);
    r.timer->Fire();  // halfway to point 2
    QCOMPARE(r.timer->Fire(), int64_t{1100});  // point 2, the last: the end
    QCOMPARE(r.session.Cursor(), 2);
    QVERIFY(!r.replay().Running() && stopped.count() == 1);
    QCOMPARE(plot.windowTitle(), QString("Plot Route - minutes.trt"));
    QTest::keyClick(&plot, Qt::Key_F2);
    QVERIFY(r.replay().Running());
    QTest::keyClick(&plot, Qt::Key_F2);
    QVERIFY(!r.replay().Running());
  }

  void ATrackChangeOrAFailingOutputStopsIt() {
    Replaying r(4800);
    r.output.failAfter = 2;
    r.session.ChangeSetting(SettingKey::SimRate, [](SettingsValues& v) { v.simRate = "600"; });
    r.prompts.ExpectMessage(
        "the line carries about 480 bytes/s, the replay needs about 1050; choose a higher speed or a lower rate");
    r.replay().Start();
    r.prompts.ExpectMessage("write failed");
    for (int tick = 0; tick < 3; ++tick) r.timer->Fire();
    QVERIFY(!r.replay().Running());
    QCOMPARE(r.session.Cursor(), 2);

    r.session.ChangeSetting(SettingKey::NMEAOut, [](SettingsValues& v) { v.nmeaOut = false; });  // no warning
    r.replay().Start();
    r.prompts.ExpectQuestion("Delete Track Point 1", true);
    r.session.DeletePoints(1, 1);
    QVERIFY(!r.replay().Running() && !r.timer->call);
    r.replay().Start();
    QVERIFY(r.session.Undo());
    QVERIFY(!r.replay().Running());
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackSessionTest)
#include "track_session_test.moc"
