// Pixels of plots rendered into the image the window shows; the colours of segments, circles and
// marker are pinned by the plot command's golden PNG.
#include "plot/ui/image_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <cmath>

#include "plot/plot_test_support.h"
#include "plot/plot_view.h"
#include "plot/ui/plot_font.h"

namespace wl {
namespace {

// An image that never keeps the static picture: every redraw draws everything, as the text says.
struct DrawingEverything : ImageSurface {
  using ImageSurface::ImageSurface;
  bool RestoreStatic() override { return false; }
};

// Toggles the tack flag of a point of the track it draws.
struct TogglingActions : PlotActions {
  void ToggleTackFlag(int32_t i) override { track->ProcRecs[static_cast<size_t>(i)].TackFlag ^= kTackPoint; }
  ProcessedTrack* track = nullptr;
};

class PlotImage {
 public:
  explicit PlotImage(ImageSurface& s, ProcessedTrack& t, int32_t cursor = 0) : surface(s), view(s, actions, prompts) {
    actions.track = &t;
    PlotOptions o;
    o.speedLow = 3;
    o.speedHigh = 7;
    o.black = true;  // the marker then shows cyan, not the red of the wait circles
    view.SetTrack(&t, "known.trc");
    view.SetOptions(o);
    view.SetCursorIndex(cursor);
    view.Activate();
  }
  ImageSurface& surface;
  TogglingActions actions;
  SilentPrompts prompts;
  PlotView view;
};

const QSize kPixels(790, 467);  // 11850 x 7000 twips

TEST(ImageSurface, StepsShowWhatRedrawingEverythingShows) {
  auto t = test::WaitAndTackTrack(), u = test::WaitAndTackTrack();
  ImageSurface kept(11850, 7000, kPixels);
  DrawingEverything full(11850, 7000, kPixels);
  PlotImage a(kept, *t, 3), b(full, *u, 3);
  ASSERT_EQ(kept.Image(), full.Image());
  for (int32_t key : {kKeyDown, kKeyDown, kKeyF1, kKeyHome, kKeyEnd}) {  // F1 changes the static picture
    a.view.KeyDown(key, false);
    b.view.KeyDown(key, false);
    EXPECT_EQ(kept.Image(), full.Image()) << key;
  }
}

TEST(ImageSurface, ZoomedFarInTheMileCircleIsHugeAndStillDrawn) {
  auto t = test::WaitAndTackTrack();
  ImageSurface surface(11850, 7000, kPixels);
  PlotImage plot(surface, *t, 5);
  const PosRec p = t->ProcRecs[5].Pos;
  for (const int corner : {-1, 1}) {
    plot.view.MouseMove(0, false, p.Lon + corner, p.Lat + corner);
    plot.view.MouseDown(kRightButton, false, p.Lon + corner, p.Lat + corner);
  }
  ASSERT_TRUE(plot.view.State().Zoomed);
  for (int k = 0; k < 3; ++k) plot.view.KeyDown(kKeyDown, false);  // the view travels with the cursor
  EXPECT_EQ(plot.view.State().CursorIndex, 8);
  // The segment into point 8, whose ends lie far outside the view, crosses it in its colour.
  const PosRec q = t->ProcRecs[8].Pos;
  const QPointF d = surface.ToDevice(q.Lon - 0.5, q.Lat - 0.5);
  bool seen = false;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      seen |= surface.Image().pixel(static_cast<int>(d.x()) + dx, static_cast<int>(d.y()) + dy) == qRgb(255, 109, 103);
  EXPECT_TRUE(seen);
}

TEST(ImageSurface, TheRubberBandShowsOnBlackAndEscLeavesNoTrace) {
  auto t = test::WaitAndTackTrack();
  ImageSurface surface(11850, 7000, kPixels);
  PlotImage plot(surface, *t);
  const QImage before = surface.Image().copy();
  const PosRec p = t->ProcRecs[2].Pos, q = t->ProcRecs[6].Pos;
  plot.view.MouseMove(0, false, p.Lon, p.Lat);
  plot.view.MouseDown(kRightButton, false, p.Lon, p.Lat);
  plot.view.MouseMove(0, false, q.Lon, q.Lat);
  int changed = 0;
  for (int y = 0; y < kPixels.height(); ++y)
    for (int x = 0; x < kPixels.width(); ++x) changed += surface.Image().pixel(x, y) != before.pixel(x, y);
  EXPECT_GT(changed, 40);
  plot.view.KeyDown(kKeyEscape, false);
  EXPECT_EQ(surface.Image(), before);
}

// The window repaints only what a step changed, and a step leaves no trace of the marks before it.
TEST(ImageDamage, AStepDamagesItsMarksOnlyAndTakesTheSimulatorsCircle) {
  auto t = test::PlotTrack(false, 200);  // long enough for a small one-mile circle
  ImageSurface surface(11850, 7000, kPixels);
  PlotImage plot(surface, *t);
  PlotView& view = plot.view;
  EXPECT_EQ(surface.TakeDamage(), QRect(QPoint(0, 0), kPixels));
  view.KeyDown(kKeyDown, false);
  const QImage onPoint1 = surface.Image().copy();
  view.KeyDown(kKeyUp, false);

  const PosRec between{t->ProcRecs[0].Pos.Lat + 50, t->ProcRecs[0].Pos.Lon + 50};
  view.DrawSimulatorMark(between);
  const QPoint at = surface.ToDevice(between.Lon, between.Lat).toPoint();
  view.KeyDown(kKeyDown, false);
  const QRect step = surface.TakeDamage();
  EXPECT_TRUE(step.contains(at));
  EXPECT_LT(step.width() * step.height(), kPixels.width() * kPixels.height() / 4);
  EXPECT_EQ(surface.Image(), onPoint1);
}

TEST(PlotFont, IsDejaVuSans) { EXPECT_EQ(QFontInfo(PlotFont()).family(), "DejaVu Sans"); }

}  // namespace
}  // namespace wl
