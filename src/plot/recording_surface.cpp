#include "plot/recording_surface.h"

#include <cstdio>
#include <map>
#include <tuple>

namespace wl {

namespace {

using Kind = PlotCall::Kind;

void AppendNumber(std::string& out, double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "\t%.15g", v);
  out += buf;
}

void AppendColour(std::string& out, Rgb c) {
  for (const int v : {c.r, c.g, c.b}) (out += '\t') += std::to_string(v);
}

void AppendNumbers(std::string& out, const char* name, std::initializer_list<double> values) {
  out += name;
  for (const double v : values) AppendNumber(out, v);
}

}  // namespace

void AppendPrimitiveLine(std::string& out, const PlotCall& c) {
  switch (c.kind) {
    case Kind::ResetScale: return;
    case Kind::Clear: out += "clear"; break;
    case Kind::Scale: AppendNumbers(out, "scale", {c.a, c.b, c.c, c.d}); break;
    case Kind::Fore:
      out += "fore";
      AppendColour(out, c.colour);
      break;
    case Kind::Width: out += "width\t" + std::to_string(c.value); break;
    case Kind::Style: out += "style\t" + std::to_string(c.value); break;
    case Kind::Mode: out += "mode\t" + std::to_string(c.value); break;
    case Kind::Point: AppendNumbers(out, "point", {c.a, c.b}); break;
    case Kind::LineTo:
      AppendNumbers(out, "lineto", {c.a, c.b});
      AppendColour(out, c.colour);
      break;
    case Kind::Line:
    case Kind::Rect:
    case Kind::Fill:
      AppendNumbers(out, c.kind == Kind::Line ? "line" : c.kind == Kind::Rect ? "rect" : "fill", {c.a, c.b, c.c, c.d});
      AppendColour(out, c.colour);
      break;
    case Kind::Circle:
      AppendNumbers(out, "circle", {c.a, c.b, c.c});
      AppendColour(out, c.colour);
      break;
    case Kind::At: AppendNumbers(out, "at", {c.a, c.b}); break;
    case Kind::Print: out += "print\t" + c.text; break;
  }
  out += '\n';
}

std::vector<PlotCall> FinalPicture(const std::vector<PlotCall>& calls) {
  size_t from = 0;
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i].kind == Kind::Clear) from = i;

  // An XOR drawing is erased by the same drawing in the same line width and style.
  using Key = std::tuple<Kind, double, double, double, double, uint8_t, uint8_t, uint8_t, int32_t, LineStyle, std::string>;
  std::map<Key, std::vector<size_t>> open;
  std::vector<bool> keep(calls.size(), true);
  int32_t width = 1;
  LineStyle style = LineStyle::Solid;
  RasterMode mode = RasterMode::CopyPen;
  for (size_t i = from; i < calls.size(); ++i) {
    const PlotCall& c = calls[i];
    if (c.kind == Kind::Width) width = c.value;
    if (c.kind == Kind::Style) style = static_cast<LineStyle>(c.value);
    if (c.kind == Kind::Mode) mode = static_cast<RasterMode>(c.value);
    if (!c.Draws() || mode != RasterMode::XorPen) continue;
    auto& same = open[Key{c.kind, c.a, c.b, c.c, c.d, c.colour.r, c.colour.g, c.colour.b, width, style, c.text}];
    if (same.empty()) {
      same.push_back(i);
    } else {
      keep[same.back()] = false;
      keep[i] = false;
      same.pop_back();
    }
  }
  std::vector<PlotCall> picture;
  for (size_t i = from; i < calls.size(); ++i)
    if (keep[i]) picture.push_back(calls[i]);
  return picture;
}

}  // namespace wl
