#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace wl {

static double LogicalDpi(const QWidget* widget) {
  const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return dpi > 0 ? dpi : 96.0;
}

int TwipsToPx(double twips, const QWidget* widget) {
  const double px = std::nearbyint(twips * LogicalDpi(widget) / 1440);
  if (!std::isfinite(px)) return 0;
  // Stored measures can be anything; no window needs more than this.
  return static_cast<int>(std::clamp(px, -1.0e6, 1.0e6));
}

double PxToTwips(int px, const QWidget* widget) { return px * 1440 / LogicalDpi(widget); }

}  // namespace wl
