// Replay timing: rate 600 over 30-second steps gives 50 ms intervals; every tick's lateness
// against its absolute deadline over 200 ticks. Runs about 10 s in real time, once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "nmea/counting_output.h"
#include "nmea/replay_runner.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("usage: %s (benchmark flags are accepted and ignored)\n", argv[0]);
      return 0;
    }
  // 201 points, 30 s apart under way: the start tick (after 100 ms) sends point 1, then each of
  // the 199 legs left takes one tick, 50 ms apart.
  std::vector<wl::ProcRec> recs(201);
  for (size_t i = 0; i < recs.size(); ++i) {
    recs[i].Pos = {3240000 + 50 * static_cast<int32_t>(i), 600000};
    recs[i].uiSOG = 6;
    recs[i].CumTime = static_cast<float>(static_cast<double>(i) * 30 / 3600);
  }
  wl::SettingsValues settings;
  settings.nmeaOut = settings.depth = settings.vhw = settings.wind = true;
  wl::CountingOutput out;
  wl::SeededRandom random(1);
  wl::FixedClock clock(45444.5);
  wl::NmeaSender sender{settings, false, out, random, clock};

  wl::SleepWaiter waiter;
  wl::Replay replay;
  replay.recs = recs.data();
  replay.count = static_cast<int32_t>(recs.size());
  replay.rate = 600;
  replay.waiter = &waiter;
  std::vector<double> lateMs;
  replay.onTick = [&](const wl::ReplayTick& tick) {
    auto late = wl::ReplayClock::now() - tick.deadline;
    lateMs.push_back(std::chrono::duration<double, std::milli>(late).count());
    return true;
  };
  std::string error;
  auto start = wl::ReplayClock::now();
  if (!wl::RunReplay(replay, sender, error)) {
    std::fprintf(stderr, "replay failed: %s\n", error.c_str());
    return 1;
  }
  double total = std::chrono::duration<double>(wl::ReplayClock::now() - start).count();
  std::vector<double> sorted = lateMs;
  std::sort(sorted.begin(), sorted.end());
  double median = sorted[sorted.size() / 2], p99 = sorted[sorted.size() * 99 / 100], worst = sorted.back();
  std::printf("replay timing: %zu ticks in %.3f s (schedule %.3f s)\n", lateMs.size(), total,
              (100 + 50.0 * static_cast<double>(lateMs.size() - 1)) / 1000);
  std::printf("lateness: median %.3f ms, 99th percentile %.3f ms, worst %.3f ms (limit 5 ms): %s\n", median, p99,
              worst, worst <= 5 ? "ok" : "OVER");
  return 0;
}
