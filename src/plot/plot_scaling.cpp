#include "plot/plot_scaling.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nav/geodesy.h"

namespace wl {

int32_t ToPositionUnit(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  return static_cast<int32_t>(std::clamp(r, static_cast<double>(std::numeric_limits<int32_t>::min()),
                                         static_cast<double>(std::numeric_limits<int32_t>::max())));
}

PlotScaling ComputeScaling(const PlotArea& a, double W, double H) {
  PlotScaling s;
  const double dV = GetDistLL(a.minLon, a.maxLat, a.minLon, a.minLat);
  const double mV = dV / (H - 850 - 288 - 500);
  const int32_t mid = ToPositionUnit((static_cast<double>(a.maxLat) + a.minLat) / 2);
  const double dH = GetDistLL(a.minLon, mid, a.maxLon, mid);
  const double mH = dH / (W - 500 - 288);
  const double north = GetDistLL(a.minLon, a.maxLat, a.minLon, ToPositionUnit(a.maxLat + 1000.0));
  const double east = GetDistLL(a.minLon, mid, ToPositionUnit(a.minLon + 1000.0), mid);
  s.lonStretch = north / east;
  double m = mH > mV ? mH : mV;
  if (m == 0) m = 1;
  s.u = m * 1000 / 1852;
  s.ul = s.u * s.lonStretch;
  const double top = a.maxLat + 994 * s.u;
  const double left = a.minLon - 644 * s.ul;
  const double hU = H * s.u;
  const double wU = W * s.ul;
  s.scaleSet = hU != 0 && wU != 0;
  if (s.scaleSet) {
    s.left = left;
    s.top = top;
    s.width = wU;
    s.height = -hU;
  }
  s.lat72 = 72 * s.u;
  s.lat500 = 500 * s.u;
  s.lat200 = s.lat500 / 2.5;
  s.lon72 = 72 * s.ul;
  s.lon500 = 500 * s.ul;
  s.nmRadius = s.lonStretch * 1000;
  s.markRadius = std::fabs(left - a.minLon) / 10;
  s.nMeridians = H > 2 * (static_cast<double>(a.maxLat) - a.minLat) ? 4 : 7;
  s.nParallels = W > 2 * (static_cast<double>(a.maxLon) - a.minLon) ? 4 : 7;
  return s;
}

PlotArea ZoomAround(const PlotArea& a, double x, double y, double factor) {
  // Every edge moves towards (x, y) by the same share, so the scale changes by factor and the
  // point's offset from the edges by the same factor.
  auto towards = [&](int32_t edge, double centre) { return ToPositionUnit(centre + (edge - centre) / factor); };
  return {towards(a.maxLat, y), towards(a.minLat, y), towards(a.maxLon, x), towards(a.minLon, x)};
}

}  // namespace wl
