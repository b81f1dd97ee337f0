#include "session/replay_timer.h"

#include <algorithm>

namespace wl {

QtReplayTimer::QtReplayTimer() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    // due may call CallAt again.
    const std::function<void()> due = std::move(due_);
    if (due) due();
  });
}

void QtReplayTimer::CallAt(ReplayClock::time_point deadline, std::function<void()> due) {
  due_ = std::move(due);
  // Whole milliseconds, never early.
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - Now());
  timer_.start(std::max(wait, std::chrono::milliseconds(0)));
}

}  // namespace wl
