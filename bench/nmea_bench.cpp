// One instrument burst (RMC, DBT, VHW, MWV) built, formatted and handed to an output.
#include <benchmark/benchmark.h>

#include "nmea/counting_output.h"
#include "nmea/nmea_sentences.h"
#include "nmea/send_point.h"

namespace {

wl::ProcRec Point() {
  wl::ProcRec r;
  r.Pos = {3132345, -252345};
  r.uiSOG = 5.2f;
  r.uiCOG = 45;
  r.AWS = 12.3f;
  r.AWA = -35.5f;
  r.WaterS = 4.87f;
  r.Depth = 123;
  return r;
}

void Burst(benchmark::State& state, bool isTRT) {
  wl::SettingsValues settings;
  settings.nmeaOut = settings.depth = settings.vhw = settings.wind = true;
  wl::CountingOutput out;
  wl::SeededRandom random(1);
  wl::FixedClock clock(45444.5);
  wl::NmeaSender sender{settings, isTRT, out, random, clock};
  const wl::ProcRec rec = Point();
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(wl::SendPointNMEA(rec, sender, error));
  state.counters["bytes/burst"] = static_cast<double>(out.Bytes()) / static_cast<double>(state.iterations());
}

void BM_BurstTrt(benchmark::State& state) { Burst(state, true); }
void BM_BurstSimulated(benchmark::State& state) { Burst(state, false); }

void BM_BuildRMC(benchmark::State& state) {
  const wl::ProcRec rec = Point();
  for (auto _ : state) benchmark::DoNotOptimize(wl::BuildRMC(45444.5, rec.Pos, rec.uiSOG, rec.uiCOG, false));
}

}  // namespace

BENCHMARK(BM_BurstTrt);
BENCHMARK(BM_BurstSimulated);
BENCHMARK(BM_BuildRMC);
BENCHMARK_MAIN();
