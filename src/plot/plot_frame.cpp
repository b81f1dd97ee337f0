#include "plot/plot_frame.h"

#include <string>

#include "plot/rgb_speed.h"
#include "track/latlon_text.h"
#include "track/number_format.h"

namespace wl {

namespace {

struct GridStep {
  int64_t step;
  int64_t period;  // every period-th line also gets its degrees
};

GridStep StepFor(double s0, int64_t middlePeriod) {
  if (s0 < 1400) return {1000, 5};
  if (s0 < 3100) return {3000, middlePeriod};
  return {10000, 6};
}

// Grid lines at whole multiples of the step strictly inside (from, to); for each, draw(k, value,
// whether its degrees are shown too).
template <typename Draw>
void ForEachGridLine(int32_t from, int32_t to, GridStep g, Draw draw) {
  const int64_t k0 = from / g.step + 1;
  for (int64_t k = k0; k * g.step < to; ++k) {
    const int64_t v = k * g.step;
    draw(static_cast<int32_t>(v), v % 60000 == 0 || k == k0 || k % g.period == 0);
  }
}

// The whole minutes and the point ("53."), and the degrees with the hemisphere ("04 E ").
std::string MinutesPart(const std::string& text) { return text.substr(text.size() - 6, 3); }
std::string DegreesPart(const std::string& text) { return text.substr(0, 5); }

void DrawGrid(PlotSurface& s, const PlotArea& a, const PlotScaling& sc) {
  const GridStep meridians = StepFor((static_cast<double>(a.maxLon) - a.minLon) / sc.nMeridians, 6);
  ForEachGridLine(a.minLon, a.maxLon, meridians, [&](int32_t lon, bool degrees) {
    s.Line(lon, a.minLat - sc.lat72, lon, a.maxLat + sc.lat72);
    const std::string text = LonText(lon, 0);
    s.TextAt(lon - 100.0, a.minLat + sc.lat200 - sc.lat500);
    s.Print(MinutesPart(text));
    if (!degrees) return;
    s.TextAt(lon - 100.0, a.minLat + 2 * sc.lat200 - sc.lat500);
    s.Print(DegreesPart(text));
  });
  const GridStep parallels = StepFor((static_cast<double>(a.maxLat) - a.minLat) / sc.nParallels, 5);
  ForEachGridLine(a.minLat, a.maxLat, parallels, [&](int32_t lat, bool degrees) {
    s.Line(a.minLon - sc.lon72, lat, a.maxLon + sc.lon72, lat);
    const std::string text = LatText(lat, 0);
    s.TextAt(a.minLon + 10.0 - sc.lon500, lat);
    s.Print(MinutesPart(text));
    if (!degrees) return;
    s.TextAt(a.minLon + 10.0 - sc.lon500, lat + sc.lat200);
    s.Print(DegreesPart(text));
  });
}

void DrawLegend(PlotSurface& s, const PlotArea& a, const PlotScaling& sc, const PlotOptions& o, bool trt) {
  const PlotSurface::DrawingState& scale = s.State();
  double x = a.maxLon + 2 * sc.lon72, y = a.minLat;
  if (a.maxLon + 6 * sc.lon72 > scale.scaleLeft + scale.scaleWidth) {
    x = a.maxLon - 10 * sc.lon72;
    y = a.minLat + 2 * sc.lat72;
  }
  const double low = o.speedLow, high = o.speedHigh;
  for (int i = 0; i <= 20; ++i) {
    const double speed = low + (high - low) * i / 20;
    s.FillRect(x, y + (i - 1) * sc.lat72, x + sc.lon72, y + i * sc.lat72,
               RGBSpeed(static_cast<float>(speed), o.speedLow, o.speedHigh));
    if (i % 5 != 0) continue;
    s.TextAt(x + 2 * sc.lon72, y + (i + 0.5) * sc.lat72);
    s.Print(FormatNumber(speed, "00.0"));
  }
  s.TextAt(x, y + 24 * sc.lat72);
  s.Print(trt ? "LogSpeed" : "uiSOG");
}

}  // namespace

void DrawScaleAndFrame(PlotSurface& s, const PlotArea& a, const PlotScaling& sc, const PlotColours& colours,
                       const PlotOptions& o, bool trt) {
  s.ResetScale();
  if (sc.scaleSet) s.SetScale(sc.left, sc.top, sc.width, sc.height);
  s.SetLineStyle(LineStyle::Dotted);
  s.SetRasterMode(RasterMode::CopyPen);
  s.SetForeColour(colours.ColFrame);
  DrawGrid(s, a, sc);
  s.Rect(a.minLon - sc.lon72, a.minLat - sc.lat72, a.maxLon + sc.lon72, a.maxLat + sc.lat72);
  if (o.speedHigh != o.speedLow) DrawLegend(s, a, sc, o, trt);
  s.SetForeColour(kAfterScalingColour);
}

}  // namespace wl
