#pragma once
// When the replay's next tick is due: a precise Qt timer against the steady clock. Tests put a
// clock of their own in its place and fire the ticks themselves.
#include <QTimer>
#include <functional>

#include "nmea/replay_runner.h"

namespace wl {

class ReplayTimer {
 public:
  virtual ~ReplayTimer() = default;
  virtual ReplayClock::time_point Now() const = 0;
  // Calls due once at deadline, at the event loop's next turn when that has passed; replaces a
  // call still to come.
  virtual void CallAt(ReplayClock::time_point deadline, std::function<void()> due) = 0;
  virtual void Cancel() = 0;
};

class QtReplayTimer : public ReplayTimer {
 public:
  QtReplayTimer();
  ReplayClock::time_point Now() const override { return ReplayClock::now(); }
  void CallAt(ReplayClock::time_point deadline, std::function<void()> due) override;
  void Cancel() override { timer_.stop(); }

 private:
  QTimer timer_;
  std::function<void()> due_;
};

}  // namespace wl
