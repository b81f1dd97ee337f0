#pragma once
// The speed colour scale: blue, cyan, green, yellow, red in four equal bands from low to high.
#include "plot/plot_colours.h"

namespace wl {

// speed, low, high in knots. low == high gives white (the scale is off); at or below low blue
// (103, 103, 255), at or above high red (255, 103, 103).
Rgb RGBSpeed(float speed, float low, float high);

}  // namespace wl
