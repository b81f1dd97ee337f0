#pragma once
// Window measures are kept in twips (1/1440 inch); the screen's logical DPI turns them into
// pixels, so the window keeps its proportions at any scale (15 twips = 1 pixel at 96 DPI).
class QWidget;

namespace wl {

int TwipsToPx(double twips, const QWidget* widget);
double PxToTwips(int px, const QWidget* widget);

}  // namespace wl
