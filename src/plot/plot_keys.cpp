// The plot's key handler: the cursor keys, F1 to F5 and Esc.
#include <algorithm>

#include "plot/plot_view.h"

namespace wl {

void PlotView::KeyDown(int32_t keyCode, bool /*shift*/) {
  const bool ready = st_.PlotReady && Count() > 0;
  const int32_t last = Count() - 1;
  switch (keyCode) {
    case kKeyUp:
      if (ready && !actions_.SimRunning()) CursorStep(std::max(st_.CursorIndex - 1, 0), -1);
      break;
    case kKeyDown:
      if (ready) CursorStep(std::min(st_.CursorIndex + 1, last), -1);
      break;
    case kKeyHome:
      if (ready) CursorStep(0, 0);
      break;
    case kKeyEnd:
      if (ready) CursorStep(last, 0);
      break;
    case kKeyPageDown:
      if (ready) PageDown();
      break;
    case kKeyPageUp:
      if (ready && !actions_.SimRunning()) PageUp();
      break;
    case kKeyF1:
      if (ready) ToggleTack();
      break;
    case kKeyF2: actions_.SetSimulation(!actions_.SimRunning()); break;
    case kKeyF3:
      st_.KeepPlot = true;
      actions_.ShowSettings();
      break;
    case kKeyF4:
      st_.KeepPlot = true;
      actions_.StepTextMode();
      break;
    case kKeyF5:
      if (track_ && track_->isTRT) {
        st_.KeepPlot = true;
        actions_.ToggleShowWind();
      } else {
        prompts_.ShowMessage(".trc files have no wind data, use .trt files from Logvane", Icon::None);
      }
      break;
    case kKeyEscape: Escape(); break;
    case kKeyRefresh:
      if (ready) CursorStep(st_.CursorIndex, 0);
      break;
    default: break;
  }
}

// To the next point that starts a run of tack or outlier flags other than the one it is in.
void PlotView::PageDown() {
  const int32_t last = Count() - 1;
  int16_t f = Rec(st_.CursorIndex).TackFlag;
  int32_t n = std::min(st_.CursorIndex + 1, last);
  while (n < last) {
    const int16_t flag = Rec(n).TackFlag;
    if (flag != 0 && flag != f) break;
    f = flag;
    n = std::min(n + 1, last);
  }
  CursorStep(n, 0);
}

void PlotView::PageUp() {
  int16_t f = Rec(st_.CursorIndex).TackFlag;
  int32_t n = std::max(st_.CursorIndex - 1, 0);
  for (;;) {
    const int16_t flag = Rec(n).TackFlag;
    if ((flag != 0 && flag != f) || n < 1) break;
    f = flag;
    n = std::max(n - 1, 0);
  }
  CursorStep(n, 0);
}

void PlotView::ToggleTack() {
  const int32_t i = st_.CursorIndex;
  actions_.ToggleTackFlag(i);
  sceneKept_ = false;
  const PosRec p = Rec(i).Pos;
  surface_.Circle(p.Lon, p.Lat, st_.MarkRadius, kTackColour);
  FollowCursor(p, p, -1);
}

void PlotView::Escape() {
  if (st_.ZoomDragging) {
    const ZoomRect& z = st_.ZoomBox;
    surface_.SetRasterMode(RasterMode::XorPen);
    surface_.Rect(z.X1, z.Y1, z.X2, z.Y2, kRubberBandColour);
    surface_.SetRasterMode(RasterMode::CopyPen);
    st_.ZoomDragging = false;
  } else if (st_.Zoomed) {
    st_.KeepPlot = false;
    Activate();
  } else {
    st_.KeepPlot = false;
    actions_.HidePlot();
  }
}

}  // namespace wl
