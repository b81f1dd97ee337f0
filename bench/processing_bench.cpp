// The processing pass, the track table's cell texts and a whole wakeline-cli table run, each on a
// full-size track.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "nav/track_processing.h"
#include "nav/track_table.h"
#include "support/bench_tracks.h"

namespace {

// The bench track with its wind values, shown as a TRT table.
std::unique_ptr<wl::TrackStore> TrtStore() {
  auto store = wl::bench::MakeBenchStore();
  store->IsTRC = false;
  store->IsTRT = true;
  return store;
}

void BM_ProcessTrackRecs(benchmark::State& state) {
  const auto store = wl::bench::MakeBenchStore();
  auto processed = std::make_unique<wl::ProcessedTrack>();
  wl::SettingsValues settings;
  for (auto _ : state) {
    wl::ProcessTrackRecs(*store, *processed, wl::ProcessingOptions(settings));
    benchmark::DoNotOptimize(processed->ProcRecs.data());
  }
  if (processed->count != wl::bench::kBenchPoints) state.SkipWithError("unexpected point count");
}
BENCHMARK(BM_ProcessTrackRecs)->Unit(benchmark::kMillisecond);

void BM_TrackTableTexts(benchmark::State& state) {
  const auto store = TrtStore();
  auto processed = std::make_unique<wl::ProcessedTrack>();
  wl::SettingsValues settings;
  wl::ProcessTrackRecs(*store, *processed, wl::ProcessingOptions(settings));
  const wl::TrackTable table(*processed);
  std::string text;
  for (auto _ : state) {
    text.clear();
    for (int32_t row = 0; row < table.RowCount(); ++row) {
      table.AppendRowText(text, row);
      text += '\n';
    }
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_TrackTableTexts)->Unit(benchmark::kMillisecond);

double ChildCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Wall time on a busy machine says little; the processor time of the runs is reported too.
void BM_CliTable(benchmark::State& state) {
  static const wl::bench::BenchFiles files;
  const std::string command = std::string(WAKELINE_CLI) + " table '" + files.trtCT + "' > /dev/null";
  const double before = ChildCpuMs();
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("wakeline-cli table failed");
  state.counters["cpu_ms_per_run"] = (ChildCpuMs() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CliTable)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
