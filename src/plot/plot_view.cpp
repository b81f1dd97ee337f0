#include "plot/plot_view.h"

#include <algorithm>
#include <cmath>

#include "nav/plot_point_text.h"
#include "plot/plot_frame.h"
#include "plot/track_drawing.h"

namespace wl {

PlotView::PlotView(PlotSurface& surface, PlotActions& actions, Prompts& prompts)
    : surface_(surface), actions_(actions), prompts_(prompts) {}

void PlotView::SetTrack(const ProcessedTrack* track, std::string fileName) {
  track_ = track;
  fileName_ = std::move(fileName);
  sceneKept_ = false;
  boundsKept_ = false;
  SetCursorIndex(st_.CursorIndex);
}

void PlotView::SetOptions(const PlotOptions& options) {
  if (options == options_) return;
  options_ = options;
  sceneKept_ = false;
}

void PlotView::SetCursorIndex(int32_t index) { st_.CursorIndex = std::clamp(index, 0, std::max(Count() - 1, 0)); }

void PlotView::Activate() {
  st_.colours = SetPlotColours(!options_.black);
  surface_.SetBackColour(st_.colours.ColBack);
  if (!st_.KeepPlot) RePlot();
}

void PlotView::RePlot() {
  sceneKept_ = false;
  GetPlotBounds();
  if (!actions_.SimRunning()) actions_.SetSimulation(false);
  ShowPlotHeader();
  DrawScene({st_.MaxLat, st_.MinLat, st_.MaxLon, st_.MinLon});
  if (!actions_.SimRunning() && !st_.KeepPlot) KeyDown(kKeyRefresh, false);
}

void PlotView::GetPlotBounds() {
  // Every cursor step asks; the points change only with SetTrack.
  if (!boundsKept_) {
    bounds_ = {-6000000, 6000000, -11000000, 11000000};
    for (int32_t i = 0; i < Count(); ++i) {
      const PosRec& p = Rec(i).Pos;
      bounds_.minLat = std::min(bounds_.minLat, p.Lat);
      bounds_.maxLat = std::max(bounds_.maxLat, p.Lat);
      bounds_.minLon = std::min(bounds_.minLon, p.Lon);
      bounds_.maxLon = std::max(bounds_.maxLon, p.Lon);
    }
    boundsKept_ = true;
  }
  st_.MinLat = bounds_.minLat;
  st_.MaxLat = bounds_.maxLat;
  st_.MinLon = bounds_.minLon;
  st_.MaxLon = bounds_.maxLon;
  st_.ZoomBox = {st_.MaxLat, st_.MaxLat, st_.MinLon, st_.MinLat};
}

void PlotView::ShowPlotHeader() {
  labels_[PlotLabel::FileName].text = fileName_;
  const double anchor = track_ && track_->isTRT ? labels_.geoWindLeft : labels_.depthLeft;
  labels_.fileNameWidth = 0.9 * std::fabs(anchor - labels_.fileNameLeft);
  st_.ZoomBox = {st_.MaxLat, st_.MaxLat, st_.MinLon, st_.MinLat};
  st_.PlotReady = false;
  st_.ZoomDragging = false;
  st_.Zoomed = false;
  st_.CursorMarkX = st_.CursorMarkY = 0;
  st_.markShown = false;
}

void PlotView::DrawScene(const PlotArea& area) {
  if (Count() == 0) {  // nothing to plot; keys and mouse stay off
    surface_.Clear();
    return;
  }
  scaling_ = ComputeScaling(area, surface_.OuterWidth(), surface_.OuterHeight());
  const SceneKey key{area, surface_.OuterWidth(), surface_.OuterHeight(), st_.colours.ColBack};
  if (!(sceneKept_ && key == sceneKey_ && surface_.RestoreStatic())) {
    surface_.Clear();
    DrawScaleAndFrame(surface_, area, scaling_, st_.colours, options_, track_->isTRT);
    DrawTrackPoints(surface_, *track_, scaling_, options_, st_.colours);
    surface_.EndStatic();
    // An empty scale draws with whatever scale came before: not a picture to keep.
    sceneKept_ = scaling_.scaleSet;
    sceneKey_ = key;
  }
  st_.LonStretch = scaling_.lonStretch;
  st_.NmRadius = scaling_.nmRadius;
  st_.MarkRadius = scaling_.markRadius;
  labels_.legendTop = area.maxLat + scaling_.lat72 + 0.5 * scaling_.lat500;
  labels_.legendWidth = surface_.State().scaleWidth;
  labels_.fileNameTop = area.maxLat + scaling_.lat72 + 0.9 * scaling_.lat500;
  for (PlotLabel l : {PlotLabel::Lat, PlotLabel::Lon, PlotLabel::Legend, PlotLabel::FileName})
    labels_[l].visible = true;
  st_.PlotReady = true;
  if (st_.CursorIndex != 0) MarkCursor(st_.CursorIndex);
}

void PlotView::DrawMarker(double x, double y) {
  surface_.SetLineStyle(LineStyle::Solid);
  surface_.Circle(x, y, st_.MarkRadius, kMarkerColour);
  surface_.SetLineStyle(LineStyle::Dotted);
  surface_.Circle(x, y, st_.NmRadius, kMarkerColour);
}

void PlotView::MarkCursor(int32_t index) {
  surface_.SetRasterMode(RasterMode::XorPen);
  labels_[PlotLabel::TackPopup].visible = false;
  // A flag, not the position: a marker on the equator or the prime meridian is erased as well.
  if (st_.markShown) DrawMarker(st_.CursorMarkX, st_.CursorMarkY);
  const PosRec& p = Rec(index).Pos;
  DrawMarker(p.Lon, p.Lat);
  surface_.SetLineStyle(LineStyle::Solid);
  st_.CursorMarkX = p.Lon;
  st_.CursorMarkY = p.Lat;
  st_.markShown = true;
  labels_[PlotLabel::TackPopup] = {PlotPointText(*track_, index, options_.showText, options_.uiData), true};
}

void PlotView::DrawWhole() {
  GetPlotBounds();
  ShowPlotHeader();
  DrawScene({st_.MaxLat, st_.MinLat, st_.MaxLon, st_.MinLon});
}

void PlotView::FollowCursor(const PosRec& a, const PosRec& b, int32_t mode) {
  if (!st_.Zoomed) {
    DrawWhole();
    return;
  }
  const PlotArea& v = st_.ZoomView;
  double dx = 0, dy = 0;
  if (mode == -1) {
    dx = static_cast<double>(a.Lon) - b.Lon;
    dy = static_cast<double>(a.Lat) - b.Lat;
  } else if (mode == 0 && !(v.minLon < b.Lon && b.Lon < v.maxLon && v.minLat < b.Lat && b.Lat < v.maxLat)) {
    dx = ToPositionUnit((static_cast<double>(v.minLon) + v.maxLon) / 2 - b.Lon);
    dy = ToPositionUnit((static_cast<double>(v.minLat) + v.maxLat) / 2 - b.Lat);
  }
  ZoomTo({ToPositionUnit(v.maxLat - dy), ToPositionUnit(v.minLat - dy), ToPositionUnit(v.maxLon - dx),
          ToPositionUnit(v.minLon - dx)});
}

void PlotView::ZoomTo(const PlotArea& area) {
  const PlotArea view = area;  // area may be the view itself
  ShowPlotHeader();
  st_.ZoomView = view;
  DrawScene(view);
  st_.Zoomed = true;
}

PlotArea PlotView::ShownArea() const {
  return st_.Zoomed ? st_.ZoomView : PlotArea{st_.MaxLat, st_.MinLat, st_.MaxLon, st_.MinLon};
}

void PlotView::Redraw() {
  if (st_.Zoomed) {
    ZoomTo(st_.ZoomView);
  } else {
    DrawWhole();
  }
  // The scene marks the cursor only off the first point; the refresh step does the rest.
  if (st_.PlotReady && !st_.markShown) MarkCursor(st_.CursorIndex);
}

void PlotView::ShowAs(const PlotView& other) {
  track_ = other.track_;
  fileName_ = other.fileName_;
  options_ = other.options_;
  st_ = other.st_;
  labels_ = other.labels_;
  sceneKept_ = false;
  boundsKept_ = false;
  surface_.SetBackColour(st_.colours.ColBack);
  Redraw();
}

void PlotView::MoveCursor(int32_t n) {
  MarkCursor(n);
  st_.CursorIndex = n;
  actions_.CursorMoved(n);
  ShowPointData(*track_, n, options_.uiData, labels_);
}

void PlotView::CursorStep(int32_t n, int32_t mode) {
  FollowCursor(Rec(st_.CursorIndex).Pos, Rec(n).Pos, mode);
  MoveCursor(n);
}

void PlotView::MoveCursorTo(int32_t n) {
  n = std::clamp(n, 0, std::max(Count() - 1, 0));
  if (!st_.PlotReady || Count() == 0) {
    st_.CursorIndex = n;
    return;
  }
  CursorStep(n, n == st_.CursorIndex + 1 ? -1 : 0);
}

void PlotView::DrawSimulatorMark(const PosRec& p) { surface_.Circle(p.Lon, p.Lat, st_.MarkRadius, kMarkerColour); }

void PlotView::TogglePopup() {
  PlotLabelText& popup = labels_[PlotLabel::TackPopup];
  popup.visible = !popup.visible;
}

}  // namespace wl
