#include "nmea/replay_runner.h"

#include <thread>

namespace wl {

void SleepWaiter::WaitUntil(ReplayClock::time_point deadline) { std::this_thread::sleep_until(deadline); }

bool RunReplay(Replay& replay, NmeaSender& sender, std::string& error) {
  SimState state;
  SetSimulation(state, true);
  const ReplayClock::time_point start = ReplayClock::now();
  int64_t t = 0;
  while (state.SimRunning) {
    t += state.intervalMs;
    const auto deadline = start + std::chrono::milliseconds(t);
    if (replay.waiter) replay.waiter->WaitUntil(deadline);
    SimTickResult result = SimTick(state, replay.cursor, replay.recs, replay.count, replay.rate);
    if (replay.onTick && !replay.onTick(ReplayTick{t, deadline, replay.cursor, result})) return true;
    if (result.kind != SimTickResult::Kind::Nothing && !SendPointNMEA(result.record, sender, error)) {
      SetSimulation(state, false);
      return false;
    }
  }
  return true;
}

}  // namespace wl
