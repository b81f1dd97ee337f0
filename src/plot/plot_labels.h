#pragma once
// The plot window's labels: their texts, whether they are shown, and the places the plot decides.
#include <array>
#include <cstdint>
#include <string>

#include "nav/track_processing.h"

namespace wl {

// In the order the window lists them.
enum class PlotLabel : int32_t {
  FileName, Legend, Lat, Lon, Dat, Time, UpdIntCOG, Speed, UpdIntTime, Trip, Distance, LatWpt, LonWpt,
  UpdIntHDG, GeoWind, TrueWind, Log, RelWind, Depth, TackPopup,
};
inline constexpr size_t kPlotLabelCount = static_cast<size_t>(PlotLabel::TackPopup) + 1;

// The widget name: "lblFileName", "lblDat", ...
const char* PlotLabelName(PlotLabel label);

inline constexpr char kPlotKeyLegend[] =
    "Esc =unzoom/exit; F1=toggleTack; RightClick and hold to zoom; cursor keys move over track; "
    "F2=Simulate-on/of; F3=Settings; F4=Cycle Text; F5=toggleWind";

struct PlotLabelText {
  std::string text;
  bool visible = false;
};

struct PlotLabels {
  PlotLabels();
  PlotLabelText& operator[](PlotLabel l) { return items[static_cast<size_t>(l)]; }
  const PlotLabelText& operator[](PlotLabel l) const { return items[static_cast<size_t>(l)]; }
  std::array<PlotLabelText, kPlotLabelCount> items;

  // Tops (the labels hang down from them) and the legend's width in plot units.
  double legendTop = 0, legendWidth = 0, fileNameTop = 0;
  // The window tells the left edges of lblFileName, lblGeoWind and lblDepth in any one unit;
  // lblFileName's width comes out in that unit: it reaches towards the wind label (TRT) or the
  // depth label.
  double fileNameLeft = 0, geoWindLeft = 0, depthLeft = 0;
  double fileNameWidth = 0;
};

// The data labels of point i (a valid index): date, time, course, speed, leg time, time under
// way, distance and position, and for TRT tracks heading, wind, water speed and depth. uiData
// picks the leg values over the recorded ones.
void ShowPointData(const ProcessedTrack& track, int32_t i, bool uiData, PlotLabels& labels);

}  // namespace wl
