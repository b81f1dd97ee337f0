// The plot's mouse: pick the nearest point, pan, and zoom by rubber band with the right button.
#include <algorithm>
#include <utility>

#include "plot/nearest_point.h"
#include "plot/plot_view.h"
#include "track/latlon_text.h"

namespace wl {

void PlotView::MouseDown(int32_t button, bool /*shift*/, double x, double y) {
  if (!st_.PlotReady || Count() == 0) return;
  if (button == kLeftButton) {
    const int32_t n = NearestPoint(*track_, x, y);
    // While replaying the cursor only moves forward.
    if (!actions_.SimRunning() || n > st_.CursorIndex) MoveCursor(n);
    st_.PanArmed = !st_.PanArmed;
  } else if (button == kRightButton) {
    st_.ZoomDragging = !st_.ZoomDragging;
    if (!st_.ZoomDragging) {
      FinishZoom();
      return;
    }
    st_.ZoomBox = {st_.MouseX, st_.MouseY, st_.MouseX, st_.MouseY};
    surface_.SetRasterMode(RasterMode::XorPen);
    surface_.Rect(st_.MouseX, st_.MouseY, st_.MouseX, st_.MouseY, kRubberBandColour);
    surface_.SetRasterMode(RasterMode::CopyPen);
  }
}

void PlotView::FinishZoom() {
  ZoomRect z = st_.ZoomBox;
  if (z.X1 < z.X2) std::swap(z.X1, z.X2);
  if (z.Y1 < z.Y2) std::swap(z.Y1, z.Y2);
  ZoomTo({z.Y1, z.Y2, z.X1, z.X2});
}

void PlotView::WheelZoom(double x, double y, double factor) {
  if (!st_.PlotReady || Count() == 0 || st_.ZoomDragging || !(factor > 0) || factor == 1) return;
  if (factor < 1 && !st_.Zoomed) return;
  const PlotArea shown = ShownArea();
  const PlotArea whole{st_.MaxLat, st_.MinLat, st_.MaxLon, st_.MinLon};
  if (factor > 1 && std::max(shown.maxLat - shown.minLat, shown.maxLon - shown.minLon) <= kMinZoomSpan) return;
  const PlotArea area = ZoomAround(shown, x, y, factor);
  if (factor < 1 && area.minLat <= whole.minLat && area.maxLat >= whole.maxLat && area.minLon <= whole.minLon &&
      area.maxLon >= whole.maxLon) {
    st_.KeepPlot = false;
    Activate();
    return;
  }
  ZoomTo(area);
}

void PlotView::MouseMove(int32_t /*button*/, bool /*shift*/, double x, double y) {
  if (!st_.PlotReady) return;
  st_.MouseX = ToPositionUnit(x);
  st_.MouseY = ToPositionUnit(y);
  labels_[PlotLabel::Lon].text = LonText(st_.MouseX, 0);
  labels_[PlotLabel::Lat].text = LatText(st_.MouseY, 0);
  if (!st_.ZoomDragging) return;
  ZoomRect& z = st_.ZoomBox;
  surface_.SetRasterMode(RasterMode::XorPen);
  surface_.SetForeColour(kRubberBandColour);
  surface_.Rect(z.X1, z.Y1, z.X2, z.Y2);
  z.X2 = st_.MouseX;
  z.Y2 = st_.MouseY;
  surface_.Rect(z.X1, z.Y1, z.X2, z.Y2);
  surface_.SetRasterMode(RasterMode::CopyPen);
}

void PlotView::MouseUp(int32_t /*button*/, bool /*shift*/, double x, double y) {
  if (!st_.PlotReady || Count() == 0) return;
  if (!st_.ZoomDragging && st_.PanArmed)
    FollowCursor({ToPositionUnit(y), ToPositionUnit(x)}, Rec(st_.CursorIndex).Pos, -1);
}

}  // namespace wl
