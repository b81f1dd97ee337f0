#pragma once
// Waits for a replay deadline while Qt keeps serving sockets and timers.
#include "nmea/replay_runner.h"

namespace wl {

// Needs a QCoreApplication.
class QtEventWaiter : public ReplayWaiter {
 public:
  void WaitUntil(ReplayClock::time_point deadline) override;
};

}  // namespace wl
