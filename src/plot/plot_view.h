#pragma once
// The plot of a processed track on a drawing surface: the redraw, the cursor and its marker,
// zoom and pan, the keys and the mouse, and the labels around the chart. A window is a thin
// layer over it: it passes keys and mouse positions (in plot units) in, implements PlotActions,
// and shows the surface and the labels.
//
// The picture of a full redraw has two layers. The static one (grid, frame, legend, track,
// circles, vanes) depends only on the track, the options, the colours, the shown area and the
// window's size; the cursor marker, the rubber band and the simulator's circles are XOR-drawn on
// top. Since every cursor step redraws everything, a surface that keeps the static picture
// (RestoreStatic) makes a step cost only the marks.
#include <cstdint>
#include <string>

#include "nav/track_processing.h"
#include "plot/plot_actions.h"
#include "plot/plot_colours.h"
#include "plot/plot_labels.h"
#include "plot/plot_options.h"
#include "plot/plot_scaling.h"
#include "plot/plot_surface.h"
#include "track/prompts.h"

namespace wl {

// The rubber band, X = longitude, Y = latitude.
struct ZoomRect {
  int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct PlotState {
  int32_t CursorIndex = 0;
  double LonStretch = 1, NmRadius = 1000, MarkRadius = 0;
  int32_t MouseX = 0, MouseY = 0;  // last mouse position, plot units
  int32_t MinLat = 0, MaxLat = 0, MinLon = 0, MaxLon = 0;  // the track's bounds
  ZoomRect ZoomBox;
  PlotArea ZoomView;  // the shown area after a zoom
  bool ZoomDragging = false, Zoomed = false, PanArmed = false, KeepPlot = false, PlotReady = false;
  PlotColours colours = SetPlotColours(true);
  // The cursor marker now on screen, if any.
  int32_t CursorMarkX = 0, CursorMarkY = 0;
  bool markShown = false;
};

class PlotView {
 public:
  PlotView(PlotSurface& surface, PlotActions& actions, Prompts& prompts);

  // The track to show (none: nullptr) and its file name, read in place until the next call. Call
  // again after every change of the processed track; the cursor is clamped to it. Redraws nothing.
  void SetTrack(const ProcessedTrack* track, std::string fileName);
  void SetOptions(const PlotOptions& options);
  const PlotOptions& Options() const { return options_; }
  // Clamped to the track; redraws nothing.
  void SetCursorIndex(int32_t index);

  // The window comes to the front: colours, and a redraw unless KeepPlot.
  void Activate();
  // Clears and redraws everything, then re-marks the current point (unless replaying or KeepPlot).
  void RePlot();
  void KeyDown(int32_t keyCode, bool shift);
  // Positions in plot units; button 1 left, 2 right.
  void MouseDown(int32_t button, bool shift, double x, double y);
  void MouseMove(int32_t button, bool shift, double x, double y);
  void MouseUp(int32_t button, bool shift, double x, double y);
  // One of the simulator's circles, in the current raster mode.
  void DrawSimulatorMark(const PosRec& p);
  // The cursor was moved from outside (the replay, another window): the cursor keys' step to n,
  // the view travelling with it to the next point and jumping for any other.
  void MoveCursorTo(int32_t n);

  // The area the picture shows: the zoomed view, else the track's bounds.
  PlotArea ShownArea() const;
  // Shows area (max >= min), zoomed: the rubber band's and the wheel's zoom.
  void ZoomTo(const PlotArea& area);
  // The mouse wheel at (x, y): a factor above 1 zooms in around that point, which keeps its place
  // in the window, below 1 out; zooming out to the whole track unzooms as Esc does.
  void WheelZoom(double x, double y, double factor);
  // The shown picture drawn again (after a resize): the same area, the marker on the cursor.
  void Redraw();
  // Draws on this view's surface the picture that other shows, for a copy in another format.
  void ShowAs(const PlotView& other);
  // A click on lblTackPopup.
  void TogglePopup();

  const PlotState& State() const { return st_; }
  const PlotLabels& Labels() const { return labels_; }
  // The window sets the label lefts that lblFileName's width depends on.
  PlotLabels& Labels() { return labels_; }

 private:
  struct SceneKey {
    PlotArea area;
    double width = 0, height = 0;
    Rgb back;
    friend bool operator==(const SceneKey&, const SceneKey&) = default;
  };

  int32_t Count() const { return track_ ? track_->count : 0; }
  const ProcRec& Rec(int32_t i) const { return track_->ProcRecs[static_cast<size_t>(i)]; }
  void GetPlotBounds();
  void ShowPlotHeader();
  // Bounds, header and scene of the whole track.
  void DrawWhole();
  // Clear, scaling with grid, frame and legend, and the track, for the area; then the rest of
  // the track drawing (labels, PlotReady, the cursor's marker).
  void DrawScene(const PlotArea& area);
  void MarkCursor(int32_t index);
  void DrawMarker(double x, double y);
  void FollowCursor(const PosRec& a, const PosRec& b, int32_t mode);
  void CursorStep(int32_t n, int32_t mode);
  void MoveCursor(int32_t n);  // marker, index and data labels
  void PageDown();
  void PageUp();
  void Escape();
  void ToggleTack();
  void FinishZoom();

  PlotSurface& surface_;
  PlotActions& actions_;
  Prompts& prompts_;
  const ProcessedTrack* track_ = nullptr;
  std::string fileName_;
  PlotOptions options_;
  PlotState st_;
  PlotLabels labels_;
  PlotScaling scaling_;
  bool sceneKept_ = false;  // the surface may hold the static picture of sceneKey_
  SceneKey sceneKey_;
  bool boundsKept_ = false;  // bounds_ are those of the track's points
  PlotArea bounds_;
};

}  // namespace wl
