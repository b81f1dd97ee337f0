#include <gtest/gtest.h>

#include <cmath>

#include "plot/plot_frame.h"
#include "plot/track_drawing.h"
#include "plot/wind_vane.h"
#include "plot_test_support.h"

namespace wl {
namespace {

using Kind = PlotCall::Kind;
using test::CallsOf;

double Length(const PlotCall& line) { return std::hypot(line.c - line.a, line.d - line.b); }

TEST(DrawWindPoint, BarbsByWindSpeed) {
  PlotScaling sc;
  sc.markRadius = 10;
  sc.lonStretch = 1;
  struct Case {
    float speed;
    std::vector<double> barbs;  // lengths, from the outer end of the shaft
    double shaftTop;            // 3 mark radii north, and half a radius further for each next barb
  };
  const Case cases[] = {
      {0.1f, {}, 2030},          {2.0f, {20}, 2030},         {10.0f, {20}, 2030},
      {12.0f, {20}, 2030},       {15.0f, {10, 20}, 2035},    {27.0f, {14, 20, 20}, 2040},
      {1000.0f, std::vector<double>(20, 20), 2130},  // beyond any real wind: twenty barbs at most
  };
  for (const Case& c : cases) {
    RecordingSurface s(11850, 7000);
    DrawWindPoint(s, {.Lat = 2000, .Lon = 1000}, c.speed, 0, 30, sc, PlotOptions(), SetPlotColours(true));  // from the north
    const auto lines = CallsOf(s.Calls(), Kind::Line);
    ASSERT_EQ(lines.size(), c.barbs.size() + 1) << c.speed;
    for (size_t i = 0; i < c.barbs.size(); ++i) EXPECT_NEAR(Length(lines[i]), c.barbs[i], 1e-9) << c.speed;
    const PlotCall& shaft = lines.back();
    EXPECT_EQ(std::vector<double>({shaft.a, shaft.b, shaft.c, shaft.d}), std::vector<double>({1000, c.shaftTop, 1000, 2000}))
        << c.speed;
  }
  // A speed so large that subtracting a barb changes nothing still ends.
  RecordingSurface s(11850, 7000);
  DrawWindPoint(s, {.Lat = 2000, .Lon = 1000}, 3e30f, 0, 30, sc, PlotOptions(), SetPlotColours(true));
  EXPECT_EQ(test::CountOf(s.Calls(), Kind::Line), 21u);
}

// The twips from the window's left and top edge at which a plot position is shown.
double TwipsX(const PlotScaling& s, double x, double W) { return (x - s.left) / s.width * W; }
double TwipsY(const PlotScaling& s, double y, double H) { return (y - s.top) / s.height * H; }

TEST(ComputeScaling, LeavesTheMarginsAroundTheTrack) {
  const double W = 11850, H = 7000;
  // Tall: the height decides, 1638 twips go to the margins (994 above, 644 below).
  const PlotArea tall{3250000, 3240000, 601000, 600000};
  const PlotScaling t = ComputeScaling(tall, W, H);
  EXPECT_NEAR(TwipsY(t, tall.maxLat, H), 994, 1e-6);
  EXPECT_NEAR(TwipsY(t, tall.minLat, H), H - 644, 2);
  EXPECT_NEAR(TwipsX(t, tall.minLon, W), 644, 1e-6);
  EXPECT_EQ(std::pair(t.nMeridians, t.nParallels), std::pair(7, 4));  // by the spans in units against twips
  // Wide: the width decides, 788 twips go to the margins (644 left, 144 right).
  const PlotArea wide{3241000, 3240000, 620000, 600000};
  const PlotScaling w = ComputeScaling(wide, W, H);
  EXPECT_NEAR(TwipsX(w, wide.maxLon, W), W - 144, 2);
  EXPECT_EQ(std::pair(w.nMeridians, w.nParallels), std::pair(4, 7));
  EXPECT_NEAR(w.markRadius, 64.4 * w.ul, 1e-9);
  // One point: no metres per twip, taken as one.
  EXPECT_DOUBLE_EQ(ComputeScaling({100, 100, 100, 100}, W, H).u, 1000.0 / 1852);
}

TEST(DrawScaleAndFrame, LegendMovesInsideTheFrameWhenItWouldLeaveTheWindow) {
  PlotOptions o;
  o.speedLow = 3;
  o.speedHigh = 7;
  const PlotArea tall{3250000, 3240000, 601000, 600000}, wide{3241000, 3240000, 620000, 600000};
  for (const PlotArea& a : {tall, wide}) {
    RecordingSurface s(11850, 7000);
    const PlotScaling sc = ComputeScaling(a, 11850, 7000);
    DrawScaleAndFrame(s, a, sc, SetPlotColours(true), o, true);
    const auto fills = CallsOf(s.Calls(), Kind::Fill);
    ASSERT_EQ(fills.size(), 21u);
    const bool inside = a == wide;
    EXPECT_DOUBLE_EQ(fills[0].a, inside ? a.maxLon - 10 * sc.lon72 : a.maxLon + 2 * sc.lon72);
    EXPECT_DOUBLE_EQ(fills[1].b, inside ? a.minLat + 2 * sc.lat72 : a.minLat);
    EXPECT_EQ(test::Printed(s.Calls()).back(), "LogSpeed");
  }
  o.speedHigh = o.speedLow;
  RecordingSurface s(11850, 7000);
  DrawScaleAndFrame(s, tall, ComputeScaling(tall, 11850, 7000), SetPlotColours(true), o, false);
  EXPECT_EQ(test::CountOf(s.Calls(), Kind::Fill), 0u);
}

TEST(DrawScaleAndFrame, GridLabelsShowMinutesAndSometimesDegrees) {
  // 53 58' to 54 04' N, 9 59' to 10 01' E: meridians every minute, parallels every 3 minutes;
  // the default speed scale 3.5 to 7.5 kn.
  const PlotArea a{3244000, 3238000, 601000, 599000};
  RecordingSurface s(11850, 7000);
  DrawScaleAndFrame(s, a, ComputeScaling(a, 11850, 7000), SetPlotColours(true), PlotOptions(), false);
  EXPECT_EQ(test::Printed(s.Calls()),
            (std::vector<std::string>{"00.", "10 E ",  // 10 00' E: the first meridian, a whole degree
                                      "00.", "54 N ",  // 54 00' N
                                      "03.",           // 54 03' N: neither first, whole nor a period's
                                      "03.5", "04.5", "05.5", "06.5", "07.5", "uiSOG"}));
}

TEST(PlotWaitText, ByLength) {
  const double minute = 1.0 / 1440;
  EXPECT_EQ(PlotWaitText(59.0 / 86400), "");
  EXPECT_EQ(PlotWaitText(minute), "W 00:01");
  EXPECT_EQ(PlotWaitText(12 * minute), "W 00:12");
  EXPECT_EQ(PlotWaitText(1.0), "W 00:00");
  EXPECT_EQ(PlotWaitText(2 + (3 * 60 + 12) * minute), "W  2 03:12");
}

TEST(DrawTrackPoints, WaitAndTackCirclesWithTheirTextsInModeAllOnly) {
  const auto t = test::WaitAndTackTrack();
  PlotScaling sc;
  sc.markRadius = 7;
  PlotOptions o;
  o.speedLow = 3;
  o.speedHigh = 7;
  for (const int mode : {kShowTextAll, kShowTextTackWait}) {
    o.showText = mode;
    RecordingSurface s(11850, 7000);
    DrawTrackPoints(s, *t, sc, o, SetPlotColours(true));
    const auto circles = CallsOf(s.Calls(), Kind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].colour, kWaitColour);  // where the wait starts, at point 4
    EXPECT_EQ(circles[0].a, t->ProcRecs[4].Pos.Lon);
    EXPECT_EQ(circles[1].colour, kTackColour);
    EXPECT_EQ(circles[1].c, 7);
    // The wait runs from point 3 to 6: three minutes, written at point 5.
    const auto expected = mode == kShowTextAll ? std::vector<std::string>{"W 00:03", "12:09:00"} : std::vector<std::string>{};
    EXPECT_EQ(test::Printed(s.Calls()), expected);
    if (mode == kShowTextAll) {
      EXPECT_EQ(CallsOf(s.Calls(), Kind::Print)[0].b, t->ProcRecs[5].Pos.Lat);
    }
    const auto segments = CallsOf(s.Calls(), Kind::LineTo);
    ASSERT_EQ(segments.size(), 11u);
    EXPECT_EQ(segments[4].colour, (Rgb{103, 103, 255}));  // standing still: the low end
  }
}

}  // namespace
}  // namespace wl
