// The main window, offscreen: opening a 20001-point track until its first rows are painted and
// the buttons are enabled, scrolling the table to its end, deleting 100 points in the middle;
// thinning the largest real log (10431 points, one a second) to 10 s, as the table's menu does it.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "app/gui/gui_app.h"
#include "mainwin/main_window.h"
#include "mainwin/track_table_view.h"
#include "session/track_session.h"
#include "settings/settings_store.h"
#include "support/window_bench.h"
#include "track/track_rec.h"
#include "widgets/read_only_grid.h"

namespace {

// A beat to windward: tacks every 40 points, one point every 10 s.
void WriteTrack(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  double lat = 54.3725, lon = 10.1683;
  for (int i = 0; i < wl::kTrackCapacity; ++i) {
    const double cog = (i / 40) % 2 ? 0.785 : 5.498;  // radians, NE and NW
    lat += 0.000025 * std::cos(cog);
    lon += 0.00004 * std::sin(cog);
    const int s = 9 * 3600 + i * 10;
    std::fprintf(f, "20210612 %02d:%02d:%02d,%.6f,%.6f,5.8,%.5f,0,0,12.5,0.72,0.5,4.1,6.4,8.9,0,%.5f,6.1\r\n",
                 s / 3600 % 24, s / 60 % 60, s % 60, lat, lon, cog, cog);
  }
  std::fclose(f);
}

struct Bench {
  QTemporaryDir dir;
  std::string track = dir.filePath("long.trt").toStdString();
  wl::SettingsStore settings{dir.filePath("Wakeline.ini").toStdString()};
  wl::bench::QuietUiPrompts prompts;
  std::unique_ptr<wl::GuiApp> app;
  wl::MainWindow* window = nullptr;
  wl::TrackTableView* grid = nullptr;
  QPushButton* open = nullptr;
  QPushButton* plot = nullptr;

  Bench() {
    WriteTrack(track);
    app = std::make_unique<wl::GuiApp>(settings, prompts, false);
    window = &app->Main();
    grid = window->findChild<wl::TrackTableView*>("MSFGTrack");
    open = window->findChild<QPushButton*>("CommandOpenInput");
    plot = window->findChild<QPushButton*>("cmdPlot");
    window->show();
    QApplication::processEvents();
  }
  void Open(const std::string& file) {
    prompts.file = file;
    open->click();
    grid->viewport()->repaint();
  }
  void Key(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    grid->viewport()->repaint();
  }
};

Bench* bench = nullptr;

void BM_OpenLongTrack(benchmark::State& state) {
  for (auto _ : state) bench->Open(bench->track);
  if (bench->grid->model()->rowCount() != wl::kTrackCapacity || !bench->plot->isEnabled())
    state.SkipWithError("the track was not shown");
}
BENCHMARK(BM_OpenLongTrack)->Unit(benchmark::kMillisecond);

void BM_ScrollToTheEnd(benchmark::State& state) {
  bench->Open(bench->track);
  for (auto _ : state) {
    state.PauseTiming();
    bench->Key(Qt::Key_Home);
    state.ResumeTiming();
    bench->Key(Qt::Key_End);
  }
}
BENCHMARK(BM_ScrollToTheEnd)->Unit(benchmark::kMillisecond);

void BM_DeleteHundredPointsInTheMiddle(benchmark::State& state) {
  bench->Open(bench->track);
  for (auto _ : state) {
    state.PauseTiming();
    if (bench->app->Session().Store().TrackCount < 10000) bench->Open(bench->track);
    const int middle = bench->app->Session().Store().TrackCount / 2;
    bench->grid->SetCurrentRow(middle);
    bench->grid->SetSelectionEnd(middle + 99);
    state.ResumeTiming();
    bench->Key(Qt::Key_Delete);
  }
}
BENCHMARK(BM_DeleteHundredPointsInTheMiddle)->Unit(benchmark::kMillisecond);

const std::string kDenseLog = std::string(WAKELINE_SOURCE_DIR) + "/../shared/realdata/irene_2013-08-02_flensburg.trt";

void BM_ThinTheDenseLog(benchmark::State& state) {
  QAction* thin = bench->grid->PopupMenu()->findChild<QAction*>("mnuTRCThin");
  for (auto _ : state) {
    state.PauseTiming();
    bench->Open(kDenseLog);
    state.ResumeTiming();
    thin->trigger();
    bench->grid->viewport()->repaint();
  }
  state.counters["kept"] = bench->app->Session().Store().TrackCount;
}

}  // namespace

int main(int argc, char** argv) {
  if (QFile::exists(QString::fromStdString(kDenseLog))) {
    benchmark::RegisterBenchmark("BM_ThinTheDenseLog", BM_ThinTheDenseLog)->Unit(benchmark::kMillisecond);
  } else {
    std::printf("skipped: %s is absent\n", kDenseLog.c_str());
  }
  return wl::bench::RunWindowBenchmarks(argc, argv, bench);
}
