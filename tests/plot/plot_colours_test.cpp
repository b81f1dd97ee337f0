#include <gtest/gtest.h>

#include "plot/rgb_speed.h"
#include "plot/wind_vane.h"

namespace wl {
namespace {

TEST(RGBSpeed, RunsBlueCyanGreenYellowRedBetweenLowAndHigh) {
  struct Case {
    float speed;
    Rgb colour;
  };
  const Case cases[] = {
      {2.0f, {103, 103, 255}},  // below low
      {3.0f, {103, 103, 255}},  // low
      {4.0f, {103, 255, 255}},  // a quarter of the way
      {4.5f, {103, 255, 179}},  // half way through the second band: 255 - 76
      {5.0f, {103, 255, 103}},  // the middle
      {6.0f, {255, 255, 103}},  // three quarters
      {7.0f, {255, 103, 103}},  // high
      {9.0f, {255, 103, 103}},  // above high
  };
  for (const Case& c : cases) EXPECT_EQ(RGBSpeed(c.speed, 3.0f, 7.0f), c.colour) << c.speed;
}

TEST(RGBSpeed, EqualLimitsTurnTheScaleOffAndReversedOnesStayInRange) {
  EXPECT_EQ(RGBSpeed(5.0f, 4.0f, 4.0f), (Rgb{255, 255, 255}));
  // High below low: a speed above low falls below the first band.
  EXPECT_EQ(RGBSpeed(5.0f, 4.0f, 2.0f), (Rgb{255, 103, 103}));
}

TEST(WindVaneColour, BandsByTheWholeDegreesOfTheAngle) {
  const PlotOptions o;  // 40, 45, 55
  const PlotColours c = SetPlotColours(true);
  struct Case {
    float angle;
    Rgb colour;
  };
  const Case cases[] = {
      {39.9f, c.ColWindLow}, {40.0f, c.ColWindOut}, {40.9f, c.ColWindOut},  {41.0f, c.ColWindMid},
      {-45.5f, c.ColWindMid}, {46.0f, c.ColWindHigh}, {55.9f, c.ColWindHigh}, {56.0f, c.ColWindOut},
      {-170.0f, c.ColWindOut},
  };
  for (const Case& k : cases) EXPECT_EQ(WindVaneColour(k.angle, o, c), k.colour) << k.angle;
  EXPECT_EQ(SetPlotColours(false).ColWindMid, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace wl
