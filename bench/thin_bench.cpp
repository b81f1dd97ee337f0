// Thinning the largest real log (10431 points, one a second) to 10 s and processing what is left:
// what the desktop program does between the user's answer and the new table. Goal: under 20 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "nav/track_processing.h"
#include "track/track_reader.h"
#include "track/track_thinning.h"

namespace {

const std::string kLog = std::string(WAKELINE_SOURCE_DIR) + "/../shared/realdata/irene_2013-08-02_flensburg.trt";

void BM_ThinAndProcess(benchmark::State& state) {
  wl::SilentPrompts prompts;
  auto original = std::make_unique<wl::TrackStore>();
  auto scratch = std::make_unique<wl::TrackBlock>();
  wl::readtrackfile(*original, *scratch, kLog, 0, {}, prompts);
  auto store = std::make_unique<wl::TrackStore>();
  auto processed = std::make_unique<wl::ProcessedTrack>();
  wl::SettingsValues settings;
  for (auto _ : state) {
    state.PauseTiming();
    *store = *original;
    state.ResumeTiming();
    wl::ThinTrack(*store, 10);
    wl::ProcessTrackRecs(*store, *processed, wl::ProcessingOptions(settings));
    benchmark::DoNotOptimize(processed->ProcRecs.data());
  }
  state.counters["points"] = original->TrackCount;
  state.counters["kept"] = store->TrackCount;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (std::filesystem::exists(kLog)) {
    benchmark::RegisterBenchmark("BM_ThinAndProcess", BM_ThinAndProcess)->Unit(benchmark::kMillisecond);
  } else {
    std::printf("skipped: %s is absent\n", kLog.c_str());
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
