#include "plot/rgb_speed.h"

#include <cmath>

namespace wl {

namespace {

uint8_t Component(double v) { return static_cast<uint8_t>(std::nearbyint(v)); }

}  // namespace

Rgb RGBSpeed(float speed, float low, float high) {
  if (high == low) return {255, 255, 255};
  double k = 1, f = 0;
  if (!(speed <= low)) {
    const auto x = static_cast<float>((double{speed} - low) * 4 / (double{high} - low));
    const double whole = std::floor(double{x});
    k = whole + 1;
    f = double{x} - whole;
  }
  const double a = f * 152;
  if (k == 0) return {Component(255 - a), 103, 255};
  if (k == 1) return {103, Component(103 + a), 255};
  if (k == 2) return {103, 255, Component(255 - a)};
  if (k == 3) return {Component(103 + a), 255, 103};
  if (k == 4) return {255, Component(255 - a), 103};
  return {255, 103, 103};
}

}  // namespace wl
