#include "widgets/placed_control.h"

#include "widgets/twips.h"

namespace wl {

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(TwipsToPx(left, w), TwipsToPx(top, w), TwipsToPx(width, w), TwipsToPx(height, w));
}

}  // namespace wl
