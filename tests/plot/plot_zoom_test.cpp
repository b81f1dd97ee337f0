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
  std::vector<PlotCall> Markers(const RecordingSurface& s) const {
    std::vector<PlotCall> out;
    for (const PlotCall& c : FinalPicture(s.Calls()))
      if (c.kind == PlotCall::Kind::Circle && c.colour == kMarkerColour) out.push_back(c);
    return out;
  }

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
  EXPECT_TRUE(view.State().Zoomed);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  EXPECT_FALSE(view.State().Zoomed);
  for (int i = 0; i < 40; ++i) view.WheelZoom(p.Lon, p.Lat, 1.25);  // stops at the smallest area
  const PlotArea v = view.State().ZoomView;
  EXPECT_GT(std::max(v.maxLat - v.minLat, v.maxLon - v.minLon), kMinZoomSpan / 1.25 - 1);
}

TEST_F(PlotZoomTest, RedrawAndCopyKeepTheAreaAndTheMarker) {
  view.ZoomTo({Pos(6).Lat, Pos(2).Lat, Pos(6).Lon, Pos(2).Lon});
  view.Redraw();
  EXPECT_EQ(view.State().ZoomView, (PlotArea{Pos(6).Lat, Pos(2).Lat, Pos(6).Lon, Pos(2).Lon}));
  EXPECT_EQ(Markers(surface).size(), 2u);  // the cursor on point 0: solid and dotted circle

  view.MoveCursorTo(1);  // the next point: the view travels with it
  EXPECT_EQ(view.State().ZoomView, (PlotArea{Pos(7).Lat, Pos(3).Lat, Pos(7).Lon, Pos(3).Lon}));
  view.MoveCursorTo(4);  // inside the view: no jump
  EXPECT_EQ(view.State().ZoomView, (PlotArea{Pos(7).Lat, Pos(3).Lat, Pos(7).Lon, Pos(3).Lon}));

  RecordingSurface copySurface{11850, 7000};
  PlotView copy{copySurface, actions, prompts};
  copy.ShowAs(view);
  EXPECT_EQ(copy.State().ZoomView, view.State().ZoomView);
  const std::vector<PlotCall> markers = Markers(copySurface);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[0].a, Pos(4).Lon);
  EXPECT_EQ(markers[0].b, Pos(4).Lat);
}

}  // namespace
}  // namespace wl
