// The wheel's zoom around the mouse, the redraw after a resize, a copy of the picture and a
// cursor moved from outside the plot.
#include <gtest/gtest.h>

#include "plot/plot_view.h"
#include "plot_test_support.h"
#include "support/test_support.h"

namespace wl {
namespace {

class PlotZoomTest : public ::testing::Test {
 protected:
  PlotZoomTest() {
    view.SetTrack(track.get(), "track.trc");
    view.Activate();
  }
  const PosRec& Pos(int32_t i) const { return track->ProcRecs[static_cast<size_t>(i)].Pos; }
  // Where x lies across the window, 0 at the left edge, 1 at the right.
  double Across(double x) const { return (x - surface.State().scaleLeft) / surface.State().scaleWidth; }

  std::unique_ptr<ProcessedTrack> track = test::PlotTrack();
  PlotActions actions;
  test::ScriptedPrompts prompts;
  RecordingSurface surface{11850, 7000};
  PlotView view{surface, actions, prompts};
};

TEST_F(PlotZoomTest, WheelKeepsThePointUnderTheMouseAndUnzoomsAtTheWholeTrack) {
  const PosRec p = Pos(3);
  const double before = Across(p.Lon);
  view.WheelZoom(p.Lon, p.Lat, 0.5);  // zooming out of the whole track does nothing
  EXPECT_FALSE(view.State().Zoomed);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  ASSERT_TRUE(view.State().Zoomed);
  EXPECT_NEAR(Across(p.Lon), before, 0.002);
  EXPECT_LT(view.State().ZoomView.maxLon - view.State().ZoomView.minLon, Pos(9).Lon - Pos(0).Lon);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  EXPECT_FALSE(view.State().Zoomed);
  for (int i = 0; i < 40; ++i) view.WheelZoom(p.Lon, p.Lat, 1.25);  // stops at the smallest area
  const PlotArea v = view.State().ZoomView;
  EXPECT_GT(std::max(v.maxLat - v.minLat, v.maxLon - v.minLon), kMinZoomSpan / 1.25 - 1);
}

TEST_F(PlotZoomTest, RedrawAndCopyKeepTheAreaAndTheMarker) {
  view.ZoomTo({Pos(6).Lat, Pos(2).Lat, Pos(6).Lon, Pos(2).Lon});
  view.MoveCursorTo(1);  // the next point: the view travels with it
  view.MoveCursorTo(4);  // inside the view: no jump
  view.Redraw();
  const PlotArea travelled{Pos(7).Lat, Pos(3).Lat, Pos(7).Lon, Pos(3).Lon};
  EXPECT_EQ(view.State().ZoomView, travelled);

  RecordingSurface copySurface{11850, 7000};
  PlotView copy{copySurface, actions, prompts};
  copy.ShowAs(view);
  EXPECT_EQ(copy.State().ZoomView, travelled);
  std::vector<PlotCall> markers;  // solid and dotted, on point 4
  for (const PlotCall& c : FinalPicture(copySurface.Calls()))
    if (c.kind == PlotCall::Kind::Circle && c.colour == kMarkerColour) markers.push_back(c);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ((PosRec{ToPositionUnit(markers[0].b), ToPositionUnit(markers[0].a)}), Pos(4));
}

}  // namespace
}  // namespace wl
