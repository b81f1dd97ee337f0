#include "plot/plot_surface.h"

#include <string>

namespace wl {

using Kind = PlotCall::Kind;

PlotSurface::PlotSurface(double outerWidth, double outerHeight, double areaWidth, double areaHeight) {
  Resize(outerWidth, outerHeight, areaWidth, areaHeight);
  state_.scaleWidth = areaWidth;
  state_.scaleHeight = areaHeight;
}

void PlotSurface::Resize(double outerWidth, double outerHeight, double areaWidth, double areaHeight) {
  outerWidth_ = outerWidth;
  outerHeight_ = outerHeight;
  areaWidth_ = areaWidth;
  areaHeight_ = areaHeight;
}

void PlotSurface::Emit(Kind kind, double a, double b, double c, double d, Rgb colour) {
  PlotCall call;
  call.kind = kind;
  call.a = a;
  call.b = b;
  call.c = c;
  call.d = d;
  call.colour = colour;
  Draw(call);
}

void PlotSurface::Clear() { Emit(Kind::Clear, 0, 0, 0, 0, state_.back); }

void PlotSurface::SetScale(double left, double top, double width, double height) {
  state_.scaleLeft = left;
  state_.scaleTop = top;
  state_.scaleWidth = width;
  state_.scaleHeight = height;
  Emit(Kind::Scale, left, top, width, height, {});
}

void PlotSurface::ResetScale() {
  state_.scaleLeft = 0;
  state_.scaleTop = 0;
  state_.scaleWidth = areaWidth_;
  state_.scaleHeight = areaHeight_;
  Emit(Kind::ResetScale, 0, 0, areaWidth_, areaHeight_, {});
}

void PlotSurface::SetForeColour(Rgb colour) {
  state_.fore = colour;
  Emit(Kind::Fore, 0, 0, 0, 0, colour);
}

void PlotSurface::EmitValue(Kind kind, int32_t value) {
  PlotCall call;
  call.kind = kind;
  call.value = value;
  Draw(call);
}

void PlotSurface::SetLineWidth(int32_t pixels) {
  state_.width = pixels;
  EmitValue(Kind::Width, pixels);
}

void PlotSurface::SetLineStyle(LineStyle style) {
  state_.style = style;
  EmitValue(Kind::Style, static_cast<int32_t>(style));
}

void PlotSurface::SetRasterMode(RasterMode mode) {
  state_.mode = mode;
  EmitValue(Kind::Mode, static_cast<int32_t>(mode));
}

void PlotSurface::Point(double x, double y) {
  state_.x = x;
  state_.y = y;
  Emit(Kind::Point, x, y, 0, 0, state_.fore);
}

void PlotSurface::LineTo(double x, double y, std::optional<Rgb> colour) {
  const double fromX = state_.x, fromY = state_.y;
  state_.x = x;
  state_.y = y;
  Emit(Kind::LineTo, x, y, fromX, fromY, colour.value_or(state_.fore));
}

void PlotSurface::EmitBox(Kind kind, double x1, double y1, double x2, double y2, std::optional<Rgb> colour) {
  state_.x = x2;
  state_.y = y2;
  Emit(kind, x1, y1, x2, y2, colour.value_or(state_.fore));
}

void PlotSurface::Line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) {
  EmitBox(Kind::Line, x1, y1, x2, y2, colour);
}

void PlotSurface::Rect(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) {
  EmitBox(Kind::Rect, x1, y1, x2, y2, colour);
}

void PlotSurface::FillRect(double x1, double y1, double x2, double y2, std::optional<Rgb> colour) {
  EmitBox(Kind::Fill, x1, y1, x2, y2, colour);
}

void PlotSurface::Circle(double x, double y, double radius, Rgb colour) {
  state_.x = x;
  state_.y = y;
  Emit(Kind::Circle, x, y, radius, 0, colour);
}

void PlotSurface::TextAt(double x, double y) {
  state_.x = x;
  state_.y = y;
  Emit(Kind::At, x, y, 0, 0, {});
}

void PlotSurface::Print(std::string_view text) {
  PlotCall call;
  call.kind = Kind::Print;
  call.a = state_.x;
  call.b = state_.y;
  call.colour = state_.fore;
  call.text = std::string(text);
  Draw(call);
}

void PlotSurface::Perform(const PlotCall& call) {
  switch (call.kind) {
    case Kind::Clear:
      SetBackColour(call.colour);
      Clear();
      break;
    case Kind::Scale: SetScale(call.a, call.b, call.c, call.d); break;
    case Kind::ResetScale: ResetScale(); break;
    case Kind::Fore: SetForeColour(call.colour); break;
    case Kind::Width: SetLineWidth(call.value); break;
    case Kind::Style: SetLineStyle(static_cast<LineStyle>(call.value)); break;
    case Kind::Mode: SetRasterMode(static_cast<RasterMode>(call.value)); break;
    case Kind::Point: Point(call.a, call.b); break;
    case Kind::LineTo:
      state_.x = call.c;
      state_.y = call.d;
      LineTo(call.a, call.b, call.colour);
      break;
    case Kind::Line: Line(call.a, call.b, call.c, call.d, call.colour); break;
    case Kind::Rect: Rect(call.a, call.b, call.c, call.d, call.colour); break;
    case Kind::Fill: FillRect(call.a, call.b, call.c, call.d, call.colour); break;
    case Kind::Circle: Circle(call.a, call.b, call.c, call.colour); break;
    case Kind::At: TextAt(call.a, call.b); break;
    case Kind::Print:
      state_.x = call.a;
      state_.y = call.b;
      state_.fore = call.colour;
      Print(call.text);
      break;
  }
}

}  // namespace wl

