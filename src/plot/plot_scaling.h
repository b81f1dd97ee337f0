#pragma once
// The plot's coordinate system: x is longitude and y latitude in position units (1/60000
// degree), north up, fitted to the window with margins for the labels and the legend.
#include <cstdint>

namespace wl {

// The area to show (the track's bounds, or a zoomed view).
struct PlotArea {
  int32_t maxLat = 0, minLat = 0, maxLon = 0, minLon = 0;
  friend bool operator==(const PlotArea&, const PlotArea&) = default;
};

struct PlotScaling {
  double u = 1, ul = 1;  // latitude, longitude units per twip
  double lonStretch = 1;  // ground length of 1000 latitude units over that of 1000 longitude units
  double nmRadius = 1000;  // one nautical mile in longitude units
  double markRadius = 0;   // radius of the plot's marks in longitude units
  // The user scale of the window's outer size; not set when its height or width is 0.
  double left = 0, top = 0, width = 0, height = 0;
  bool scaleSet = false;
  double lat72 = 0, lat500 = 0, lat200 = 0, lon72 = 0, lon500 = 0;  // twip steps in units
  int32_t nMeridians = 7, nParallels = 7;  // divisions of the grid
};

// outerWidth, outerHeight: the window's outer size in twips.
PlotScaling ComputeScaling(const PlotArea& area, double outerWidth, double outerHeight);

// The smallest area the wheel zooms into, in position units (about 55 m of latitude).
inline constexpr int32_t kMinZoomSpan = 30;

// area scaled by 1 / factor about (x, y): a point there keeps its place in the window.
PlotArea ZoomAround(const PlotArea& area, double x, double y, double factor);

// A coordinate in position units, rounded half to even and held within 32 bits.
int32_t ToPositionUnit(double v);

}  // namespace wl
