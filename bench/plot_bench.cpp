// The plot of a full-size TRT track with wind vanes: a full redraw into the window's image, and
// one cursor step on the kept static picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "nav/track_processing.h"
#include "plot/plot_view.h"
#include "plot/ui/image_surface.h"
#include "support/bench_tracks.h"

namespace {

struct PlotBench {
  PlotBench() : surface(11850, 7000, QSize(790, 467)), view(surface, actions, prompts) {
    auto store = wl::bench::MakeBenchStore();
    store->IsTRC = false;
    store->IsTRT = true;
    wl::PlotOptions options;
    options.showWind = true;
    if (auto scale = wl::ProcessTrackRecs(*store, *processed, wl::ProcessingOptions(wl::SettingsValues()))) {
      options.speedHigh = scale->high;
      options.speedLow = scale->low;
    }
    view.SetTrack(processed.get(), "bench.trt");
    view.SetOptions(options);
    view.Activate();
  }
  std::unique_ptr<wl::ProcessedTrack> processed = std::make_unique<wl::ProcessedTrack>();
  wl::ImageSurface surface;
  wl::PlotActions actions;
  wl::SilentPrompts prompts;
  wl::PlotView view;
};

void BM_PlotFullRedraw(benchmark::State& state) {
  PlotBench b;
  for (auto _ : state) {
    b.view.RePlot();
    benchmark::DoNotOptimize(b.surface.Image().constBits());
  }
  if (!b.view.State().PlotReady) state.SkipWithError("nothing drawn");
}
BENCHMARK(BM_PlotFullRedraw)->Unit(benchmark::kMillisecond);

void BM_PlotCursorStep(benchmark::State& state) {
  PlotBench b;
  for (auto _ : state) {
    if (b.view.State().CursorIndex == wl::bench::kBenchPoints - 1) b.view.KeyDown(wl::kKeyHome, false);
    b.view.KeyDown(wl::kKeyDown, false);
    benchmark::DoNotOptimize(b.surface.Image().constBits());
  }
}
BENCHMARK(BM_PlotCursorStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
