#pragma once
// The drawing surface the plot draws on: a retained picture with a user scale, a current point
// and the drawing state (foreground colour, line width, line style, raster mode). This class
// keeps the state; a subclass paints, records or replays each call.
#include <cstdint>
#include <optional>
#include <string_view>

#include "plot/plot_call.h"

namespace wl {

class PlotSurface {
 public:
  struct DrawingState {
    double scaleLeft = 0, scaleTop = 0, scaleWidth = 1, scaleHeight = 1;
    Rgb back{255, 255, 255};
    Rgb fore{0, 0, 0};
    int32_t width = 1;  // pixels
    LineStyle style = LineStyle::Solid;
    RasterMode mode = RasterMode::CopyPen;
    double x = 0, y = 0;  // the current point, shared by lines and text
  };

  // The window's outer size and its drawing area, both in twips; the scale starts as twips.
  PlotSurface(double outerWidth, double outerHeight, double areaWidth, double areaHeight);
  virtual ~PlotSurface() = default;
  PlotSurface(const PlotSurface&) = delete;
  PlotSurface& operator=(const PlotSurface&) = delete;

  double OuterWidth() const { return outerWidth_; }
  double OuterHeight() const { return outerHeight_; }
  double AreaWidth() const { return areaWidth_; }
  double AreaHeight() const { return areaHeight_; }
  const DrawingState& State() const { return state_; }

  // The background colour that Clear fills with (the window's own colour, not a drawing call).
  void SetBackColour(Rgb colour) { state_.back = colour; }
  void Clear();
  void SetScale(double left, double top, double width, double height);
  void ResetScale();
  void SetForeColour(Rgb colour);
  void SetLineWidth(int32_t pixels);
  void SetLineStyle(LineStyle style);
  void SetRasterMode(RasterMode mode);
  // Drawing calls without a colour use the foreground colour. Each moves the current point.
  void Point(double x, double y);
  void LineTo(double x, double y, std::optional<Rgb> colour = std::nullopt);
  void Line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = std::nullopt);
  void Rect(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = std::nullopt);
  void FillRect(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = std::nullopt);
  // Radius in x units.
  void Circle(double x, double y, double radius, Rgb colour);
  void TextAt(double x, double y);
  void Print(std::string_view text);

  // Runs a recorded call again (drawing calls in the colour they were drawn with).
  void Perform(const PlotCall& call);

  // The static layer. A full redraw that would draw the same picture as the last one asks
  // RestoreStatic first: a surface that kept that picture (and the drawing state that came with
  // it) puts both back and returns true, and the plot skips the static calls. EndStatic follows
  // the static calls of every full redraw that was drawn.
  virtual bool RestoreStatic() { return false; }
  virtual void EndStatic() {}

 protected:
  // Called for every call once the state has taken it.
  virtual void Draw(const PlotCall& call) = 0;
  void RestoreState(const DrawingState& state) { state_ = state; }
  void Resize(double outerWidth, double outerHeight, double areaWidth, double areaHeight);

 private:
  void Emit(PlotCall::Kind kind, double a, double b, double c, double d, Rgb colour);
  void EmitValue(PlotCall::Kind kind, int32_t value);
  // A call between two corners; the current point moves to the second.
  void EmitBox(PlotCall::Kind kind, double x1, double y1, double x2, double y2, std::optional<Rgb> colour);

  double outerWidth_, outerHeight_, areaWidth_, areaHeight_;
  DrawingState state_;
};

}  // namespace wl
