#include "plot/ui/image_surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace wl {

namespace {

// 15 twips a pixel are 96 dpi: the plot's 8 point text is as tall as in a window, on a screen
// of more pixels per twip as well.
QImage NewImage(QSize pixels, double twipsPerPixel) {
  QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(1440 / twipsPerPixel / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  return image;
}

}  // namespace

ImageSurface::ImageSurface(double outerWidth, double outerHeight, QSize pixels, double twipsPerPixel)
    : PainterSurface(outerWidth, outerHeight, pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel),
      image_(NewImage(pixels, twipsPerPixel)),
      pixelsPerScreenPixel_(15 / twipsPerPixel),
      damage_(image_.rect()) {
  Begin(&image_, true);
}

ImageSurface::~ImageSurface() { End(); }

void ImageSurface::Resize(double outerWidth, double outerHeight, QSize pixels, double twipsPerPixel) {
  End();
  PlotSurface::Resize(outerWidth, outerHeight, pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
  image_ = NewImage(pixels, twipsPerPixel);
  pixelsPerScreenPixel_ = 15 / twipsPerPixel;
  haveStatic_ = false;
  marks_ = QRect();
  damage_ = image_.rect();
  Begin(&image_, true);
}

QRect ImageSurface::TakeDamage() {
  const QRect d = damage_ & image_.rect();
  damage_ = QRect();
  return d;
}

QRect ImageSurface::Reach(const PlotCall& call) const {
  using Kind = PlotCall::Kind;
  QRectF box;
  switch (call.kind) {
    case Kind::Point: box = QRectF(ToDevice(call.a, call.b), QSizeF()); break;
    case Kind::LineTo:
    case Kind::Line:
    case Kind::Rect:
    case Kind::Fill: box = QRectF(ToDevice(call.a, call.b), ToDevice(call.c, call.d)).normalized(); break;
    case Kind::Circle: {
      const QPointF c = ToDevice(call.a, call.b);
      const double r = std::fabs(ToDevice(call.a + call.c, call.b).x() - c.x());
      box = QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
      break;
    }
    default: return image_.rect();  // a text: anywhere to the right of its point
  }
  if (!std::isfinite(box.left()) || !std::isfinite(box.top()) || !std::isfinite(box.right()) ||
      !std::isfinite(box.bottom()))
    return image_.rect();
  const double pen = 2 * std::max(State().width, 1) * pixelsPerScreenPixel_ + 2;
  return box.adjusted(-pen, -pen, pen, pen).toAlignedRect() & image_.rect();
}

void ImageSurface::Draw(const PlotCall& call) {
  PainterSurface::Draw(call);
  if (call.kind == PlotCall::Kind::Clear) {
    marks_ = damage_ = image_.rect();
  } else if (call.Draws()) {
    const QRect reach = Reach(call);
    marks_ |= reach;
    damage_ |= reach;
  }
}

void ImageSurface::EndStatic() {
  if (static_.size() != image_.size()) static_ = QImage(image_.size(), image_.format());
  std::memcpy(static_.bits(), image_.constBits(), static_cast<size_t>(image_.sizeInBytes()));
  staticState_ = State();
  haveStatic_ = true;
  marks_ = QRect();
}

bool ImageSurface::RestoreStatic() {
  if (!haveStatic_ || static_.size() != image_.size()) return false;
  // Only what was drawn over the static layer differs from it.
  const QRect r = marks_ & image_.rect();
  const size_t rowBytes = static_cast<size_t>(r.width()) * 4;  // 32-bit pixels
  for (int y = r.top(); y <= r.bottom() && !r.isEmpty(); ++y)
    std::memcpy(image_.scanLine(y) + r.left() * 4, static_.constScanLine(y) + r.left() * 4, rowBytes);
  damage_ |= r;
  marks_ = QRect();
  RestoreState(staticState_);
  StateRestored();
  return true;
}

}  // namespace wl
