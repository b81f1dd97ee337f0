#pragma once
// One primitive call on the plot's drawing surface, as recorded, printed and painted.
#include <cstdint>
#include <string>

#include "plot/plot_colours.h"

namespace wl {

enum class LineStyle : int32_t { Solid = 0, Dotted = 2 };
enum class RasterMode : int32_t { CopyPen = 13, XorPen = 7 };

struct PlotCall {
  enum class Kind : uint8_t {
    Clear,       // colour: the background
    Scale,       // a, b, c, d: left, top, width, height
    ResetScale,  // back to twips of the drawing area; a, b, c, d as Scale
    Fore,        // colour
    Width,       // value: pixels
    Style,       // value: LineStyle
    Mode,        // value: RasterMode
    Point,       // a, b
    LineTo,      // a, b: the end; c, d: the current point it starts from
    Line,        // a, b to c, d
    Rect,        // corners a, b and c, d
    Fill,        // corners a, b and c, d
    Circle,      // centre a, b; radius c in x units
    At,          // a, b: the current point for text
    Print,       // text at the current point, in the foreground colour
  };
  Kind kind = Kind::Clear;
  double a = 0, b = 0, c = 0, d = 0;
  Rgb colour;         // what a drawing call draws with: its own colour or the foreground
  int32_t value = 0;
  std::string text;

  bool Draws() const {
    return kind == Kind::Point || kind == Kind::LineTo || kind == Kind::Line || kind == Kind::Rect ||
           kind == Kind::Fill || kind == Kind::Circle || kind == Kind::Print;
  }
};

}  // namespace wl
