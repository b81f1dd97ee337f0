// The session's replay on a clock and an output of the test's own: its ticks move the cursor on
// the schedule, the plot follows, and a change of the track or a failing output stops it.
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "nmea/nmea_test_support.h"
#include "plot/plot_view.h"
#include "plot/ui/plot_window.h"
#include "session/track_replay.h"
#include "support/window_harness.h"

namespace wl::test {

namespace {

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

class TrackReplayTest : public QObject {
  Q_OBJECT

 private slots:
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
    QCOMPARE(r.timer->Fire(), int64_t{600});  // halfway to point 2
    QCOMPARE(r.session.Cursor(), 1);
    QCOMPARE(r.timer->Fire(), int64_t{1100});  // point 2, the last: the end
    QCOMPARE(r.session.Cursor(), 2);
    QVERIFY(!r.replay().Running() && stopped.count() == 1);
    QCOMPARE(plot.windowTitle(), QString("Plot Route - minutes.trt"));
    QTest::keyClick(&plot, Qt::Key_F2);
    QVERIFY(r.replay().Running());
    QTest::keyClick(&plot, Qt::Key_F2);
    QVERIFY(!r.replay().Running());
    QCOMPARE(r.output.writes.size(), size_t{3});  // RMC only
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
  }
};

}  // namespace wl::test

QTEST_MAIN(wl::test::TrackReplayTest)
#include "track_replay_test.moc"
