#include "platform/qt_event_waiter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace wl {

void QtEventWaiter::WaitUntil(ReplayClock::time_point deadline) {
  QCoreApplication::processEvents();
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - ReplayClock::now());
    if (left.count() < 1) break;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(left.count()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // The last fraction of a millisecond, which a Qt timer cannot resolve.
  std::this_thread::sleep_until(deadline);
}

}  // namespace wl
