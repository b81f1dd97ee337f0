#include "plot/track_drawing.h"

#include <cstdlib>

#include "nav/geodesy.h"
#include "nav/tack_stats.h"
#include "plot/rgb_speed.h"
#include "plot/wind_vane.h"
#include "track/date_format.h"

namespace wl {

namespace {

class TrackPainter {
 public:
  TrackPainter(PlotSurface& s, const ProcessedTrack& t, const PlotScaling& sc, const PlotOptions& o,
               const PlotColours& c)
      : s_(s), t_(t), sc_(sc), o_(o), c_(c) {}

  void Draw() {
    s_.SetForeColour(c_.ColTrack);
    bool waitOpen = false;
    int32_t waitStart = 0, windPoint = 0;
    s_.Point(Rec(0).Pos.Lon, Rec(0).Pos.Lat);
    for (int32_t i = 1; i < t_.count; ++i) {
      const ProcRec& p = Rec(i);
      Segment(i, p);
      if (!(p.uiSOG >= 0.5f && p.uiSOG <= 12)) {
        if (!waitOpen) {
          s_.Circle(p.Pos.Lon, p.Pos.Lat, sc_.markRadius, kWaitColour);
          waitOpen = true;
          waitStart = i - 1;
        }
      } else if (waitOpen) {
        DrawWaitTime(waitStart, i - 1);
        waitOpen = false;
      }
      if (p.TackFlag == kTackPoint) {
        s_.Circle(p.Pos.Lon, p.Pos.Lat, sc_.markRadius, kTackColour);
        DrawTackTime(p);
      }
      if (t_.isTRT && o_.showWind && double{GetDist(Rec(windPoint).Pos, p.Pos)} > sc_.markRadius * 10) {
        const float angle = o_.windTWA ? p.TWA : p.AWA;
        if (windPoint < i - 3) {
          DrawWindPoint(s_, p.Pos, AvgTWS(t_, windPoint + 1, i), AvgTWD(t_, windPoint + 1, i), angle, sc_, o_, c_);
        } else {
          DrawWindPoint(s_, p.Pos, p.TWS, p.TWD, angle, sc_, o_, c_);
        }
        windPoint = i;
      }
    }
  }

 private:
  const ProcRec& Rec(int32_t i) const { return t_.ProcRecs[static_cast<size_t>(i)]; }

  void Segment(int32_t i, const ProcRec& p) {
    if (o_.speedHigh == o_.speedLow) {
      s_.LineTo(p.Pos.Lon, p.Pos.Lat, Rgb{255, static_cast<uint8_t>(i % 2 * 255), 255});
      return;
    }
    s_.SetLineWidth(2);
    s_.LineTo(p.Pos.Lon, p.Pos.Lat, RGBSpeed(t_.isTRT ? p.WaterS : p.uiSOG, o_.speedLow, o_.speedHigh));
    s_.SetLineWidth(1);
  }

  // A text in ColTrack at a position; the current point stays where it was.
  void Label(const PosRec& at, const std::string& text) {
    const double x = s_.State().x, y = s_.State().y;
    s_.SetForeColour(c_.ColTrack);
    s_.TextAt(at.Lon, at.Lat);
    s_.Print(text);
    s_.TextAt(x, y);
  }

  void DrawTackTime(const ProcRec& p) {
    if (o_.showText == kShowTextAll) Label(p.Pos, FormatDate(p.Time, "HH:MM:SS"));
  }

  void DrawWaitTime(int32_t from, int32_t to) {
    if (o_.showText != kShowTextAll) return;
    const std::string text = PlotWaitText(Rec(to).Time - Rec(from).Time);
    if (!text.empty()) Label(Rec(to - 1).Pos, text);
  }

  PlotSurface& s_;
  const ProcessedTrack& t_;
  const PlotScaling& sc_;
  const PlotOptions& o_;
  const PlotColours& c_;
};

}  // namespace

std::string PlotWaitText(double d) {
  if (d > 1) return "W  " + std::to_string(std::llabs(SpanSeconds(d)) / 86400) + FormatDate(d, " hh:mm");
  if (d >= 1.0 / 1440) return "W " + FormatDate(d, "hh:mm");
  return {};
}

void DrawTrackPoints(PlotSurface& s, const ProcessedTrack& t, const PlotScaling& sc, const PlotOptions& o,
                     const PlotColours& c) {
  TrackPainter(s, t, sc, o, c).Draw();
}

}  // namespace wl
