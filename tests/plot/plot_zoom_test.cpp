// The wheel's zoom around the mouse.
#include <gtest/gtest.h>

#include "plot/plot_view.h"
#include "plot_test_support.h"
#include "support/test_support.h"

namespace wl {
namespace {

TEST(PlotZoom, WheelKeepsThePointUnderTheMouseAndUnzoomsAtTheWholeTrack) {
  std::unique_ptr<ProcessedTrack> track = test::PlotTrack();
  PlotActions actions;
  test::ScriptedPrompts prompts;
  RecordingSurface surface{11850, 7000};
  PlotView view{surface, actions, prompts};
  view.SetTrack(track.get(), "track.trc");
  view.Activate();
  // Where x lies across the window, 0 at the left edge, 1 at the right.
  auto across = [&](double x) { return (x - surface.State().scaleLeft) / surface.State().scaleWidth; };
  const PosRec p = track->ProcRecs[3].Pos;
  const double before = across(p.Lon);
  view.WheelZoom(p.Lon, p.Lat, 0.5);  // zooming out of the whole track does nothing
  EXPECT_FALSE(view.State().Zoomed);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  ASSERT_TRUE(view.State().Zoomed);
  EXPECT_NEAR(across(p.Lon), before, 0.002);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  EXPECT_FALSE(view.State().Zoomed);
  for (int i = 0; i < 40; ++i) view.WheelZoom(p.Lon, p.Lat, 1.25);  // stops at the smallest area
  const PlotArea v = view.State().ZoomView;
  EXPECT_GT(std::max(v.maxLat - v.minLat, v.maxLon - v.minLon), kMinZoomSpan / 1.25 - 1);
}

}  // namespace
}  // namespace wl
