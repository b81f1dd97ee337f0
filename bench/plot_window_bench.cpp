// The plot window, offscreen, over a 20001-point TRT track with wind vanes: a full redraw, one
// cursor step down and one rubber-band mouse move, each until the window is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "plot/plot_view.h"
#include "plot/ui/plot_window.h"
#include "session/track_session.h"
#include "settings/settings_store.h"
#include "support/bench_tracks.h"

namespace {

class BenchPrompts : public wl::UiPrompts {
 public:
  void ShowMessage(const std::string&, wl::Icon) override {}
  bool AskYesNo(const std::string&, wl::Icon, bool) override { return true; }
  std::optional<wl::FileDialogChoice> ChooseFile(const wl::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
};

struct Bench {
  wl::bench::BenchFiles files;
  QTemporaryDir dir;
  wl::SettingsStore settings{dir.filePath("Wakeline.ini").toStdString()};
  BenchPrompts prompts;
  wl::TrackSession session{settings, prompts, {20000, 15000, false}};
  std::unique_ptr<wl::PlotWindow> window;

  Bench() {
    session.OpenFile(files.trtCT);
    session.ChangeSetting(wl::SettingKey::PlotShowWind, [](wl::SettingsValues& v) { v.PlotShowWind = true; });
    window = std::make_unique<wl::PlotWindow>(session);
    window->show();
    Settle();
  }
  void Settle() {
    QApplication::processEvents();
    window->repaint();
  }
  void Send(QEvent& event) {
    QApplication::sendEvent(window.get(), &event);
    window->repaint();
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

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Bench b;
  bench = &b;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
