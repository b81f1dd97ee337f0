// The window repaints only what a step changed, and a step leaves no trace of the marks before it.
#include <gtest/gtest.h>

#include "plot/plot_test_support.h"
#include "plot/plot_view.h"
#include "plot/ui/image_surface.h"

namespace wl {
namespace {

TEST(ImageDamage, AStepDamagesItsMarksOnlyAndTakesTheSimulatorsCircle) {
  auto t = test::PlotTrack(false, 200);  // long enough for a small one-mile circle
  const QSize pixels(790, 467);
  ImageSurface surface(11850, 7000, pixels);
  PlotActions actions;
  SilentPrompts prompts;
  PlotView view(surface, actions, prompts);
  view.SetTrack(t.get(), "t.trc");
  view.Activate();
  EXPECT_EQ(surface.TakeDamage(), QRect(QPoint(0, 0), pixels));
  view.KeyDown(kKeyDown, false);
  const QImage onPoint1 = surface.Image().copy();
  view.KeyDown(kKeyUp, false);

  const PosRec between{t->ProcRecs[0].Pos.Lat + 50, t->ProcRecs[0].Pos.Lon + 50};
  view.DrawSimulatorMark(between);
  const QPoint at = surface.ToDevice(between.Lon, between.Lat).toPoint();
  view.KeyDown(kKeyDown, false);
  const QRect step = surface.TakeDamage();
  EXPECT_TRUE(step.contains(at));
  EXPECT_LT(step.width() * step.height(), pixels.width() * pixels.height() / 4);
  EXPECT_EQ(surface.Image(), onPoint1);
}

}  // namespace
}  // namespace wl
