// The plot window, offscreen, over a 20001-point TRT track with wind vanes: a full redraw, one
// cursor step down and one rubber-band mouse move, each until the window is painted; and the
// replay at rate 600 with the plot following every point, each tick's lateness against its
// absolute deadline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "plot/plot_view.h"
#include "nmea/counting_output.h"
#include "plot/ui/plot_window.h"
#include "session/track_replay.h"
#include "session/track_session.h"
#include "settings/settings_store.h"
#include "support/bench_tracks.h"
#include "support/window_bench.h"

namespace {

struct Bench {
  wl::bench::BenchFiles files;
  QTemporaryDir dir;
  wl::SettingsStore settings{dir.filePath("Wakeline.ini").toStdString()};
  wl::bench::QuietUiPrompts prompts;
  wl::TrackSession session{settings, prompts, {20000, 15000, false}};
  std::unique_ptr<wl::PlotWindow> window;

  Bench() {
    session.OpenFile(files.trtCT);
    session.ChangeSetting(wl::SettingKey::PlotShowWind, [](wl::SettingsValues& v) { v.PlotShowWind = true; });
    window = std::make_unique<wl::PlotWindow>(session);
    window->show();
    Settle();
  }
  // Runs what is pending, the window's repaint of what changed among it.
  static void Settle() { QApplication::processEvents(); }
  void Send(QEvent& event) {
    QApplication::sendEvent(window.get(), &event);
    Settle();
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    Send(press);
  }
  void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent e(type, at, window->mapToGlobal(at), button, type == QEvent::MouseMove ? Qt::NoButton : button, {});
    Send(e);
  }
};

Bench* bench = nullptr;

void BM_PlotWindowFullRedraw(benchmark::State& state) {
  int32_t wamin = 40;
  for (auto _ : state) {
    // A setting the plot is redrawn for, as the settings dialog changes it.
    wamin = wamin == 40 ? 39 : 40;
    bench->session.ChangeSetting(wl::SettingKey::WAmin, [&](wl::SettingsValues& v) { v.WAmin = wamin; });
    bench->Settle();
  }
  if (!bench->window->View().State().PlotReady) state.SkipWithError("nothing drawn");
}
BENCHMARK(BM_PlotWindowFullRedraw)->Unit(benchmark::kMillisecond);

void BM_PlotWindowCursorDown(benchmark::State& state) {
  for (auto _ : state) {
    if (bench->session.Cursor() == wl::bench::kBenchPoints - 1) {
      state.PauseTiming();
      bench->Key(Qt::Key_Home);
      state.ResumeTiming();
    }
    bench->Key(Qt::Key_Down);
  }
}
BENCHMARK(BM_PlotWindowCursorDown)->Unit(benchmark::kMicrosecond);

void BM_PlotWindowRubberBandMove(benchmark::State& state) {
  const QPointF from(200, 150);
  bench->Mouse(QEvent::MouseMove, Qt::NoButton, from);
  bench->Mouse(QEvent::MouseButtonPress, Qt::RightButton, from);
  int step = 0;
  for (auto _ : state) bench->Mouse(QEvent::MouseMove, Qt::NoButton, from + QPointF(100 + step++ % 200, 80));
  if (!bench->window->View().State().ZoomDragging) state.SkipWithError("no rubber band");
  bench->Key(Qt::Key_Escape);
}
BENCHMARK(BM_PlotWindowRubberBandMove)->Unit(benchmark::kMicrosecond);

// The real timer, noting how late each tick runs.
class LatenessTimer : public wl::ReplayTimer {
 public:
  explicit LatenessTimer(std::vector<double>& lateMs) : lateMs_(lateMs) {}
  wl::ReplayClock::time_point Now() const override { return timer_.Now(); }
  void CallAt(wl::ReplayClock::time_point deadline, std::function<void()> due) override {
    timer_.CallAt(deadline, [this, deadline, due = std::move(due)] {
      lateMs_.push_back(std::chrono::duration<double, std::milli>(timer_.Now() - deadline).count());
      due();
    });
  }
  void Cancel() override { timer_.Cancel(); }

 private:
  wl::QtReplayTimer timer_;
  std::vector<double>& lateMs_;
};

// 600 ticks of 3 ms (2-second legs at rate 600), every one a cursor step on the plot.
void BM_PlotWindowReplayAtRate600(benchmark::State& state) {
  std::vector<double> lateMs;
  wl::CountingOutput output;
  wl::TrackReplay& replay = bench->session.Replay();
  replay.UseTimer(std::make_unique<LatenessTimer>(lateMs));
  replay.UseOutput(output, std::nullopt);
  bench->session.ChangeSettings({wl::SettingKey::SimRate, wl::SettingKey::NMEAOut}, [](wl::SettingsValues& v) {
    v.simRate = "600";
    v.nmeaOut = v.depth = v.vhw = v.wind = true;
  });
  for (auto _ : state) {
    bench->Key(Qt::Key_Home);
    lateMs.clear();
    replay.Start();
    while (replay.Running() && lateMs.size() < 600) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    replay.Stop();
  }
  std::sort(lateMs.begin(), lateMs.end());
  const double median = lateMs[lateMs.size() / 2], p99 = lateMs[lateMs.size() * 99 / 100], worst = lateMs.back();
  state.counters["late_median_ms"] = median;
  state.counters["late_p99_ms"] = p99;
  state.counters["late_worst_ms"] = worst;
  std::printf("replay with the plot: %zu ticks at rate 600, lateness median %.3f ms, 99th percentile %.3f ms, "
              "worst %.3f ms\n", lateMs.size(), median, p99, worst);
}
BENCHMARK(BM_PlotWindowReplayAtRate600)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return wl::bench::RunWindowBenchmarks(argc, argv, bench); }
