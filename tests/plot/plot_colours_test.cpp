#include <gtest/gtest.h>

#include <sstream>

#include "plot/rgb_speed.h"
#include "plot/wind_vane.h"
#include "support/test_support.h"

namespace wl {
namespace {

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
