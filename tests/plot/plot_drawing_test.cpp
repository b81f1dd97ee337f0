#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "plot/rgb_speed.h"
#include "plot/track_drawing.h"
#include "plot/wind_vane.h"
#include "plot_test_support.h"
#include "support/test_support.h"

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

// Longer waits, days and the speed legend are pinned by the golden listings.
TEST(PlotWaitText, AMinuteOrMore) {
  EXPECT_EQ(PlotWaitText(59.0 / 86400), "");
  EXPECT_EQ(PlotWaitText(1.0 / 1440), "W 00:01");
  EXPECT_EQ(PlotWaitText(1.0), "W 00:00");
}


TEST(PlotColours, SpeedsAndWindAnglesFollowTheTable) {
  std::istringstream table(test::ReadFile(test::SourcePath("tests/plot/plot_colours.tsv")));
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream f(line);
    std::string kind;
    float value = 0, low = 0, high = 0;
    int r = 0, g = 0, b = 0;
    f >> kind >> value;
    if (kind == "speed") f >> low >> high;
    f >> r >> g >> b;
    const Rgb got = kind == "speed" ? RGBSpeed(value, low, high) : WindVaneColour(value, PlotOptions(), SetPlotColours(true));
    EXPECT_EQ(std::vector<int>({got.r, got.g, got.b}), std::vector<int>({r, g, b})) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 19);
  EXPECT_EQ(SetPlotColours(false).ColWindMid, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace wl
