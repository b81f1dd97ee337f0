#include <gtest/gtest.h>

#include <sstream>

#include "plot/rgb_speed.h"
#include "plot/track_drawing.h"
#include "plot/wind_vane.h"
#include "plot_test_support.h"
#include "support/test_support.h"

namespace wl {
namespace {

// Vanes from the north at (1000, 2000) with a mark radius of 10: the barbs from the shaft's outer
// end (10 long for 5 kn, 20 for 10 kn, at most twenty), then the shaft, 3 radii long and half a
// radius longer for each further barb. A speed so large that taking a barb off changes nothing ends.
TEST(DrawWindPoint, BarbsByWindSpeedMatchTheGoldenListing) {
  PlotScaling sc;
  sc.markRadius = 10;
  sc.lonStretch = 1;
  std::string listing;
  for (const std::string speed : {"0.1", "2", "10", "12", "15", "27", "1000", "3e30"}) {
    RecordingSurface s(11850, 7000);
    DrawWindPoint(s, {.Lat = 2000, .Lon = 1000}, std::stof(speed), 0, 30, sc, PlotOptions(), SetPlotColours(true));
    listing += "# " + speed + " kn\n";
    for (const PlotCall& c : s.Calls()) AppendPrimitiveLine(listing, c);
  }
  EXPECT_EQ(listing, test::ReadFile(test::SourcePath("tests/plot/golden/wind_barbs.txt")));
}

// Longer waits, days and the speed legend are pinned by the golden listings.
TEST(PlotWaitText, AMinuteOrMore) {
  EXPECT_EQ(PlotWaitText(59.0 / 86400), "");
  EXPECT_EQ(PlotWaitText(1.0 / 1440), "W 00:01");
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
    const Rgb got =
        kind == "speed" ? RGBSpeed(value, low, high) : WindVaneColour(value, PlotOptions(), SetPlotColours(true));
    EXPECT_EQ(std::vector<int>({got.r, got.g, got.b}), std::vector<int>({r, g, b})) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 19);
  EXPECT_EQ(SetPlotColours(false).ColWindMid, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace wl
