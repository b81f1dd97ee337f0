// The window repaints only what a step changed, and the kept picture still matches a full redraw.
#include <gtest/gtest.h>

#include "plot/plot_test_support.h"
#include "plot/plot_view.h"
#include "plot/ui/image_surface.h"

namespace wl {
namespace {

struct RedrawingEverything : ImageSurface {
  using ImageSurface::ImageSurface;
  bool RestoreStatic() override { return false; }
};

TEST(ImageDamage, AStepDamagesItsMarkersAndTheNextStepTakesTheSimulatorsCircle) {
  auto t = test::PlotTrack(false, 200);  // long enough for a small one-mile circle
  const QSize pixels(790, 467);
  ImageSurface kept(11850, 7000, pixels);
  RedrawingEverything full(11850, 7000, pixels);
  PlotActions actions;
  SilentPrompts prompts;
  PlotView a(kept, actions, prompts), b(full, actions, prompts);
  for (PlotView* v : {&a, &b}) {
    v->SetTrack(t.get(), "t.trc");
    v->Activate();
  }
  EXPECT_EQ(kept.TakeDamage(), QRect(QPoint(0, 0), pixels));

  const PosRec between{t->ProcRecs[0].Pos.Lat + 50, t->ProcRecs[0].Pos.Lon + 50};
  for (PlotView* v : {&a, &b}) v->DrawSimulatorMark(between);
  EXPECT_TRUE(kept.TakeDamage().contains(kept.ToDevice(between.Lon, between.Lat).toPoint()));
  for (PlotView* v : {&a, &b}) v->KeyDown(kKeyDown, false);
  const QRect step = kept.TakeDamage();
  EXPECT_TRUE(step.contains(kept.ToDevice(between.Lon, between.Lat).toPoint()));
  EXPECT_LT(step.width() * step.height(), pixels.width() * pixels.height() / 4);
  EXPECT_EQ(kept.Image(), full.Image());
}

}  // namespace
}  // namespace wl
