// Reading full-size track files and the track length.
// Targets: TRC read < 2 ms, TRT read with CT times < 15 ms, GetCumDist < 2 ms (20001 points each).
#include <benchmark/benchmark.h>

#include <memory>

#include "support/bench_tracks.h"
#include "track/track_reader.h"

namespace wl::bench {
namespace {

const BenchFiles& Files() {
  static const BenchFiles files;
  return files;
}

void ReadFull(benchmark::State& state, const std::string& file) {
  auto store = std::make_unique<TrackStore>();
  auto block = std::make_unique<TrackBlock>();
  SilentPrompts prompts;
  const ReaderSettings settings;  // defaults: deviation -1.2, CT - UTC 02:00:00
  for (auto _ : state) {
    store->TrackCount = 0;
    ReadResult r = readtrackfile(*store, *block, file, 0, settings, prompts);
    benchmark::DoNotOptimize(r);
  }
  if (store->TrackCount != kBenchPoints) state.SkipWithError("the file did not read as 20001 points");
}

void BM_ReadTrc20001(benchmark::State& state) { ReadFull(state, Files().trc); }
BENCHMARK(BM_ReadTrc20001)->Unit(benchmark::kMillisecond);

void BM_ReadTrtCT20001(benchmark::State& state) { ReadFull(state, Files().trtCT); }
BENCHMARK(BM_ReadTrtCT20001)->Unit(benchmark::kMillisecond);

void BM_GetCumDist20001(benchmark::State& state) {
  const auto store = MakeBenchStore();
  for (auto _ : state) benchmark::DoNotOptimize(store->GetCumDist());
  if (store->TrackCount != kBenchPoints) state.SkipWithError("the store does not hold 20001 points");
}
BENCHMARK(BM_GetCumDist20001)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wl::bench

BENCHMARK_MAIN();
