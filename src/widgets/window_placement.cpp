#include "widgets/window_placement.h"

#include <algorithm>

namespace wl {

namespace {

constexpr int kGripPx = 50;  // enough of the caption to take the window by

bool OnScreen(const QRect& stored, const QRect& screen) {
  const int across = std::min(stored.right(), screen.right()) - std::max(stored.left(), screen.left()) + 1;
  return stored.top() >= screen.top() && stored.top() <= screen.bottom() - kGripPx &&
         across >= std::min(stored.width(), kGripPx);
}

}  // namespace

QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens) {
  for (const QRect& screen : screens) {
    const QRect cut(stored.topLeft(), stored.size().boundedTo(screen.size()));
    if (!OnScreen(cut, screen)) continue;
    // A measure cut to the screen's starts where the screen does, so that none of it is outside.
    return {stored.width() > screen.width() ? screen.left() : cut.left(),
            stored.height() > screen.height() ? screen.top() : cut.top(), cut.width(), cut.height()};
  }
  if (screens.isEmpty()) return stored;
  const QRect& primary = screens.front();
  const QSize size = stored.size().boundedTo(primary.size());
  return {primary.topLeft() + QPoint((primary.width() - size.width()) / 2, (primary.height() - size.height()) / 2),
          size};
}

}  // namespace wl
