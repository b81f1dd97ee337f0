#include "plot/wind_vane.h"

#include <cmath>

#include "nav/geodesy.h"

namespace wl {

namespace {

// Real winds need a handful of barbs; a damaged file's speed must not hold the plot in this loop.
constexpr int kMaxBarbs = 20;

}  // namespace

Rgb WindVaneColour(float angle, const PlotOptions& o, const PlotColours& c) {
  const double n = std::floor(std::fabs(double{angle}));
  if (n < o.WAmin) return c.ColWindLow;
  if (n >= o.WAmin + 1.0 && n <= o.WAmed) return c.ColWindMid;
  if (n >= o.WAmin + 1.0 && n <= o.WAmax) return c.ColWindHigh;
  return c.ColWindOut;
}

void DrawWindPoint(PlotSurface& s, PosRec p, float speed, float direction, float angle, const PlotScaling& sc,
                   const PlotOptions& o, const PlotColours& colours) {
  s.SetForeColour(WindVaneColour(angle, o, colours));
  const double theta = direction * kPi / 180;
  const double mark = sc.markRadius, stretch = sc.lonStretch;
  double bx = p.Lon + 3 * mark * std::sin(theta) * stretch;
  double by = p.Lat + 3 * mark * std::cos(theta);
  double v = speed;
  // Compared as the 32-bit speed it is, so that 0.1 kn draws no barb.
  for (int barbs = 0; static_cast<float>(v) > 0.1f && barbs < kMaxBarbs; ++barbs) {
    const double r = v - 10 * std::trunc(std::nearbyint(v) / 10);
    double length;
    if (r <= 2) {
      length = 2 * mark;
      v = std::floor(v - 10 - r + 0.1);
    } else {
      length = r * mark / 5;
      v = std::floor(v - r + 0.1);
    }
    s.Line(bx, by, bx + length * std::sin(theta + 1.2) * stretch, by + length * std::cos(theta + 1.2));
    if (v > 0) {
      bx += mark * std::sin(theta) * stretch / 2;
      by += mark * std::cos(theta) / 2;
    }
  }
  s.Line(bx, by, p.Lon, p.Lat);
  s.SetForeColour(colours.ColTrack);
}

}  // namespace wl
