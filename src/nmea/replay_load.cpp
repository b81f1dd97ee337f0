#include "nmea/replay_load.h"

#include <cmath>

#include "nmea/counting_output.h"

namespace wl {

double ReplayBytesPerSecond(const Replay& replay, const NmeaSender& sender) {
  CountingOutput counter;
  SeededRandom random(1);
  FixedClock clock(0);
  NmeaSender dry{sender.settings, sender.isTRT, counter, random, clock, sender.trueHeading};
  Replay run = replay;
  run.waiter = nullptr;
  int64_t lastMs = 0;
  run.onTick = [&](const ReplayTick& tick) {
    lastMs = tick.tMs;
    return true;
  };
  std::string error;
  RunReplay(run, dry, error);
  return lastMs > 0 ? static_cast<double>(counter.Bytes()) * 1000 / static_cast<double>(lastMs) : 0;
}

std::string LineLoadWarning(int32_t lineSpeed, double bytesPerSecond) {
  const int64_t carries = lineSpeed / 10;
  const auto needs = static_cast<int64_t>(std::ceil(bytesPerSecond));
  if (needs <= carries) return {};
  return "the line carries about " + std::to_string(carries) + " bytes/s, the replay needs about " +
         std::to_string(needs) + "; choose a higher speed or a lower rate";
}

}  // namespace wl
