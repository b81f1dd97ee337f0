#pragma once
// Drives the replay state machine with a real clock: every tick runs at an absolute deadline
// (the previous deadline + the interval the previous tick set), so timer jitter never adds up.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "nmea/send_point.h"
#include "nmea/sim_schedule.h"

namespace wl {

using ReplayClock = std::chrono::steady_clock;

class ReplayWaiter {
 public:
  virtual ~ReplayWaiter() = default;
  virtual void WaitUntil(ReplayClock::time_point deadline) = 0;
};

// Sleeps; for drivers without an event loop.
class SleepWaiter : public ReplayWaiter {
 public:
  void WaitUntil(ReplayClock::time_point deadline) override;
};

struct ReplayTick {
  int64_t tMs;                      // sum of the intervals before this tick; the first tick is at 100
  ReplayClock::time_point deadline; // when the tick was due
  int32_t cursor;                   // after the tick's step
  const SimTickResult& result;
};

struct Replay {
  const ProcRec* recs = nullptr;
  int32_t count = 0;
  int32_t rate = 60;
  int32_t cursor = 0;              // the start point; moved as the replay runs
  ReplayWaiter* waiter = nullptr;  // none: no waiting at all
  // Called before the tick's sentences are sent; returning false ends the replay there.
  std::function<bool(const ReplayTick&)> onTick;
};

// Runs until the last point has been sent. Returns false, with error naming the device and the
// reason, when the output failed; the replay stops there.
bool RunReplay(Replay& replay, NmeaSender& sender, std::string& error);

}  // namespace wl
