#include "plot/plot_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "plot_test_support.h"
#include "support/test_support.h"

namespace wl {
namespace {

using Kind = PlotCall::Kind;

struct FakeActions : PlotActions {
  ProcessedTrack* track = nullptr;
  bool sim = false;
  std::vector<std::string> log;
  bool SimRunning() const override { return sim; }
  void SetSimulation(bool on) override { log.push_back(on ? "sim on" : "sim off"); }
  void ToggleTackFlag(int32_t i) override {
    int16_t& f = track->ProcRecs[static_cast<size_t>(i)].TackFlag;
    f = ToggledTackFlag(f);
  }
  void ShowSettings() override { log.push_back("settings"); }
  void HidePlot() override { log.push_back("hide"); }
};

class PlotViewTest : public ::testing::Test {
 protected:
  void Open(std::unique_ptr<ProcessedTrack> t, bool activate = true) {
    track = std::move(t);
    actions.track = track.get();
    view.SetTrack(track.get(), "track.trc");
    if (activate) view.Activate();
  }
  // The marker circles the finished picture shows.
  std::vector<PlotCall> Markers() const {
    std::vector<PlotCall> out;
    for (const PlotCall& c : FinalPicture(surface.Calls()))
      if (c.kind == Kind::Circle && c.colour == kMarkerColour) out.push_back(c);
    return out;
  }
  void Press(int32_t key) { view.KeyDown(key, false); }
  void Click(int32_t button, double x, double y) {
    view.MouseMove(0, false, x, y);
    view.MouseDown(button, false, x, y);
    view.MouseUp(button, false, x, y);
  }
  // A right button press at point i, after moving there: the corners of the zoom band.
  void RightAt(int32_t i) {
    view.MouseMove(0, false, Pos(i).Lon, Pos(i).Lat);
    view.MouseDown(kRightButton, false, Pos(i).Lon, Pos(i).Lat);
  }
  // The cursor after each key.
  std::vector<int32_t> Cursors(std::initializer_list<int32_t> keys) {
    std::vector<int32_t> out;
    for (int32_t key : keys) {
      Press(key);
      out.push_back(view.State().CursorIndex);
    }
    return out;
  }
  // The cursor, then the states that are on.
  std::string Shown() const {
    const auto& s = view.State();
    return std::to_string(s.CursorIndex) + (s.Zoomed ? " zoomed" : "") + (s.ZoomDragging ? " band" : "") +
           (s.PanArmed ? " pan" : "") + (s.KeepPlot ? " keep" : "");
  }
  const PosRec& Pos(int32_t i) const { return track->ProcRecs[static_cast<size_t>(i)].Pos; }

  std::unique_ptr<ProcessedTrack> track;
  FakeActions actions;
  test::ScriptedPrompts prompts;
  RecordingSurface surface{11850, 7000};
  PlotView view{surface, actions, prompts};
};

// Point 3 lies on longitude 0: its marker must still be erased by the step to point 4.
TEST_F(PlotViewTest, ActivationMarksTheCurrentPointAndAStepMovesTheMarker) {
  Open(test::PlotTrack(false, 6, 3240000, -300), false);
  view.SetCursorIndex(3);
  view.Activate();
  EXPECT_EQ(actions.log, std::vector<std::string>{"sim off"});
  for (const int32_t i : {3, 4}) {
    const auto markers = Markers();
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].a, Pos(i).Lon);
    Press(kKeyDown);
  }
}

// Page keys jump between runs of flags; with no later run Page Down goes to the last point.
TEST_F(PlotViewTest, CursorAndPageKeysAndTheirLimits) {
  auto t = test::PlotTrack();
  const int16_t flags[] = {0, 0, 1, 0, 0, 2, 2, 0, 0, 0};
  for (size_t i = 0; i < 10; ++i) t->ProcRecs[i].TackFlag = flags[i];
  Open(std::move(t));
  EXPECT_EQ(Cursors({kKeyUp, kKeyEnd, kKeyDown, kKeyHome, kKeyDown}), (std::vector<int32_t>{0, 9, 9, 0, 1}));
  EXPECT_EQ(Cursors({kKeyPageDown, kKeyPageDown, kKeyPageDown, kKeyPageDown, kKeyPageUp, kKeyPageUp, kKeyPageUp,
                     kKeyPageUp}),
            (std::vector<int32_t>{2, 5, 9, 9, 6, 2, 0, 0}));
  Press(kKeyDown);
  actions.sim = true;  // a replay only goes forward
  EXPECT_EQ(Cursors({kKeyUp, kKeyPageUp}), (std::vector<int32_t>{1, 1}));
}

// F4 and F5 through the window are pinned by the plot window test.
TEST_F(PlotViewTest, KeysWaitForTheFirstDrawingExceptF2ToF5AndEsc) {
  Open(test::PlotTrack(), false);
  EXPECT_EQ(Cursors({kKeyDown, kKeyEnd, kKeyPageDown, kKeyF1, kKeyRefresh}), (std::vector<int32_t>{0, 0, 0, 0, 0}));
  EXPECT_TRUE(surface.Calls().empty());
  Press(kKeyF2);
  Press(kKeyF3);
  EXPECT_EQ(Shown(), "0 keep");  // returning from the settings does not redraw
  Press(kKeyEscape);
  EXPECT_EQ(Shown(), "0");
  EXPECT_EQ(actions.log, (std::vector<std::string>{"sim on", "settings", "hide"}));
}

// What F1 draws is checked by the pixel tests.
TEST_F(PlotViewTest, F1TogglesTheTackFlagButLeavesAnOutlier) {
  auto t = test::PlotTrack();
  t->ProcRecs[3].TackFlag = kOutlier;
  Open(std::move(t));
  for (int32_t i : {3, 4}) {
    while (view.State().CursorIndex < i) Press(kKeyDown);
    Press(kKeyF1);
  }
  EXPECT_EQ(track->ProcRecs[3].TackFlag, kOutlier);
  EXPECT_EQ(track->ProcRecs[4].TackFlag, kTackPoint);
}

// A click picks the nearest point, only forward while replaying; a zoom band is the same dragged
// either way; Esc cancels a band, then unzooms, then hides.
TEST_F(PlotViewTest, ClicksPickPointsAndRightClicksZoom) {
  Open(test::PlotTrack());
  view.MouseMove(0, false, 645678.4, 3241233.6);  // the read-out, to the nearest unit
  const PlotLabels& labels = view.Labels();
  EXPECT_EQ(labels[PlotLabel::Lat].text + " " + labels[PlotLabel::Lon].text, "54 N 01.234 10 E 45.678");
  Click(kLeftButton, Pos(6).Lon + 20, Pos(6).Lat - 30);
  EXPECT_EQ(Shown(), "6 pan");
  actions.sim = true;
  Click(kLeftButton, Pos(2).Lon, Pos(2).Lat);
  EXPECT_EQ(Shown(), "6");
  Click(kLeftButton, Pos(8).Lon, Pos(8).Lat);
  EXPECT_EQ(Shown(), "8 pan");
  RightAt(2);
  RightAt(7);
  const PlotArea forward = view.State().ZoomView;
  EXPECT_EQ(forward, (PlotArea{Pos(7).Lat, Pos(2).Lat, Pos(7).Lon, Pos(2).Lon}));
  Press(kKeyEscape);
  RightAt(7);
  RightAt(2);
  EXPECT_EQ(view.State().ZoomView, forward);
  RightAt(3);
  EXPECT_EQ(Shown(), "8 zoomed band pan");
  const auto& calls = surface.Calls();
  const size_t before = calls.size();
  Press(kKeyEscape);
  const auto isRect = [](const PlotCall& c) { return c.kind == Kind::Rect; };
  EXPECT_EQ(std::count_if(calls.begin() + static_cast<long>(before), calls.end(), isRect), 1);  // the band erased
  EXPECT_EQ(Shown(), "8 zoomed pan");
  Press(kKeyEscape);
  EXPECT_EQ(Shown(), "8 pan");
  EXPECT_NE(actions.log.back(), "hide");
  Press(kKeyEscape);
  EXPECT_EQ(actions.log.back(), "hide");
}

TEST_F(PlotViewTest, PanWhileZoomedMovesTheCurrentPointToTheMouse) {
  Open(test::PlotTrack());
  RightAt(1);
  RightAt(8);
  const PlotArea before = view.State().ZoomView;
  view.MouseDown(kLeftButton, false, Pos(4).Lon, Pos(4).Lat);  // picks 4, arms the pan
  view.MouseUp(kLeftButton, false, Pos(4).Lon + 50, Pos(4).Lat - 20);
  EXPECT_EQ(view.State().ZoomView,
            (PlotArea{before.maxLat + 20, before.minLat + 20, before.maxLon - 50, before.minLon - 50}));
  EXPECT_EQ(Shown(), "4 zoomed pan");
}

TEST_F(PlotViewTest, WheelZoomsInAndUnzoomsAtTheWholeTrack) {
  Open(test::PlotTrack());
  // That the point under the mouse stays there is pinned by the plot window test.
  const PosRec p = Pos(3);
  view.WheelZoom(p.Lon, p.Lat, 0.5);  // zooming out of the whole track does nothing
  EXPECT_FALSE(view.State().Zoomed);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  view.WheelZoom(p.Lon, p.Lat, 1.25);
  ASSERT_TRUE(view.State().Zoomed);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  view.WheelZoom(p.Lon, p.Lat, 0.8);
  EXPECT_FALSE(view.State().Zoomed);
}

}  // namespace
}  // namespace wl
