#include "plot/ui/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <cmath>

#include "plot/ui/plot_font.h"

namespace wl {

namespace {

using Kind = PlotCall::Kind;

constexpr double kTwipsPerPixel = 15;  // at 96 dpi

bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Liang-Barsky: clips the segment to r; false when nothing of it is inside. Keeps far-away
// points (a zoomed view still draws every point) out of the rasteriser.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  const QPointF start = a;
  a = start + QPointF(dx, dy) * t0;
  b = start + QPointF(dx, dy) * t1;
  return true;
}

}  // namespace

PainterSurface::PainterSurface(double outerWidth, double outerHeight, double areaWidth, double areaHeight)
    : PlotSurface(outerWidth, outerHeight, areaWidth, areaHeight), font_(PlotFont()) {}

PainterSurface::~PainterSurface() { End(); }

void PainterSurface::Begin(QPaintDevice* device, bool rasterOps) {
  End();
  painter_.begin(device);
  deviceWidth_ = device->width();
  deviceHeight_ = device->height();
  unitsPerPixel_ = deviceWidth_ / AreaWidth() * kTwipsPerPixel;
  rasterOps_ = rasterOps;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBrush(Qt::NoBrush);
  painter_.setFont(font_);
  ascent_ = QFontMetricsF(font_, device).ascent();
  StateRestored();
}

void PainterSurface::End() {
  if (painter_.isActive()) painter_.end();
}

void PainterSurface::StateRestored() {
  penDirty_ = true;
  if (painter_.isActive() && rasterOps_)
    painter_.setCompositionMode(State().mode == RasterMode::XorPen ? QPainter::RasterOp_SourceXorDestination
                                                                   : QPainter::CompositionMode_SourceOver);
}

QPointF PainterSurface::ToDevice(double x, double y) const {
  const DrawingState& s = State();
  return {(x - s.scaleLeft) * deviceWidth_ / s.scaleWidth, (y - s.scaleTop) * deviceHeight_ / s.scaleHeight};
}

void PainterSurface::FromDevice(QPointF p, double& x, double& y) const {
  const DrawingState& s = State();
  x = s.scaleLeft + p.x() * s.scaleWidth / deviceWidth_;
  y = s.scaleTop + p.y() * s.scaleHeight / deviceHeight_;
}

QColor PainterSurface::Colour(Rgb c) const {
  // Without raster operations an XOR drawing is shown as it would come out on the background.
  if (!rasterOps_ && State().mode == RasterMode::XorPen) {
    const Rgb b = State().back;
    c = {static_cast<uint8_t>(c.r ^ b.r), static_cast<uint8_t>(c.g ^ b.g), static_cast<uint8_t>(c.b ^ b.b)};
  }
  return QColor(c.r, c.g, c.b);
}

void PainterSurface::ApplyPen() {
  const DrawingState& s = State();
  // Like the window's own pens: wider lines are always solid, with round ends.
  const bool wide = s.width > 1;
  thinPairs_ = rasterOps_ && s.width == 2;
  QPen pen(Colour(penColour_), thinPairs_ ? 1 : std::max(s.width, 1) * unitsPerPixel_);
  pen.setStyle(!wide && s.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(wide && !thinPairs_ ? Qt::RoundCap : Qt::FlatCap);
  pen.setCosmetic(unitsPerPixel_ == 1);
  painter_.setPen(pen);
  penDirty_ = false;
}

void PainterSurface::DrawSegment(QPointF a, QPointF b) {
  const double margin = 4 * std::max(State().width, 1) * unitsPerPixel_;
  if (!Finite(a) || !Finite(b) ||
      !ClipSegment(a, b, QRectF(-margin, -margin, deviceWidth_ + 2 * margin, deviceHeight_ + 2 * margin)))
    return;
  if (!thinPairs_) {
    painter_.drawLine(a, b);
    return;
  }
  // Two pixels wide on an image: two one-pixel lines side by side across the line's main
  // direction, many times faster than a stroked outline for the track's thousands of segments.
  const QPointF side = std::fabs(b.x() - a.x()) >= std::fabs(b.y() - a.y()) ? QPointF(0, 1) : QPointF(1, 0);
  painter_.drawLine(a, b);
  painter_.drawLine(a + side, b + side);
}

void PainterSurface::DrawCircle(QPointF c, double r) {
  if (!Finite(c) || !std::isfinite(r)) return;
  const QRectF area(0, 0, deviceWidth_, deviceHeight_);
  // Nothing of it can show when it misses the area, or when the area lies wholly inside it.
  if (!area.intersects(QRectF(c.x() - r - 2, c.y() - r - 2, 2 * r + 4, 2 * r + 4))) return;
  const double fx = std::max(std::fabs(c.x()), std::fabs(c.x() - deviceWidth_));
  const double fy = std::max(std::fabs(c.y()), std::fabs(c.y() - deviceHeight_));
  if (std::hypot(fx, fy) < r - 2) return;
  painter_.drawEllipse(c, r, r);
}

void PainterSurface::Draw(const PlotCall& call) {
  if (!painter_.isActive()) return;
  if (call.Draws() && (penDirty_ || !(call.colour == penColour_))) {
    penColour_ = call.colour;
    ApplyPen();
  }
  switch (call.kind) {
    case Kind::Clear:
      painter_.setCompositionMode(QPainter::CompositionMode_Source);
      painter_.fillRect(QRectF(0, 0, deviceWidth_, deviceHeight_), QColor(call.colour.r, call.colour.g, call.colour.b));
      StateRestored();
      break;
    case Kind::Width:
    case Kind::Style: penDirty_ = true; break;
    case Kind::Mode: StateRestored(); break;
    case Kind::Point: {
      const QPointF p = ToDevice(call.a, call.b);
      if (Finite(p)) painter_.drawPoint(p);
      break;
    }
    case Kind::LineTo: DrawSegment(ToDevice(call.c, call.d), ToDevice(call.a, call.b)); break;
    case Kind::Line: DrawSegment(ToDevice(call.a, call.b), ToDevice(call.c, call.d)); break;
    case Kind::Rect:
    case Kind::Fill: {
      const QPointF p1 = ToDevice(call.a, call.b), p2 = ToDevice(call.c, call.d);
      if (!Finite(p1) || !Finite(p2)) break;
      QRectF r = QRectF(p1, p2).normalized().intersected(QRectF(-8, -8, deviceWidth_ + 16, deviceHeight_ + 16));
      // On pixels both corners are inside, as the window's own boxes are.
      if (rasterOps_) r = QRectF(QRect(r.topLeft().toPoint(), r.bottomRight().toPoint()));
      if (call.kind == Kind::Fill) {
        painter_.fillRect(r, Colour(call.colour));
      } else {
        painter_.drawRect(r);
      }
      break;
    }
    case Kind::Circle: {
      const DrawingState& s = State();
      DrawCircle(ToDevice(call.a, call.b), std::fabs(call.c * deviceWidth_ / s.scaleWidth));
      break;
    }
    case Kind::Print: {
      const QPointF p = ToDevice(call.a, call.b);
      if (Finite(p)) painter_.drawText(QPointF(p.x(), p.y() + ascent_), QString::fromStdString(call.text));
      break;
    }
    default: break;
  }
}

}  // namespace wl
