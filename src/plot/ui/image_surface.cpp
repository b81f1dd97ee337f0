#include "plot/ui/image_surface.h"

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
      image_(NewImage(pixels, twipsPerPixel)) {
  Begin(&image_, true);
}

ImageSurface::~ImageSurface() { End(); }

void ImageSurface::Resize(double outerWidth, double outerHeight, QSize pixels, double twipsPerPixel) {
  End();
  PlotSurface::Resize(outerWidth, outerHeight, pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
  image_ = NewImage(pixels, twipsPerPixel);
  haveStatic_ = false;
  Begin(&image_, true);
}

void ImageSurface::EndStatic() {
  if (static_.size() != image_.size()) static_ = QImage(image_.size(), image_.format());
  std::memcpy(static_.bits(), image_.constBits(), static_cast<size_t>(image_.sizeInBytes()));
  staticState_ = State();
  haveStatic_ = true;
}

bool ImageSurface::RestoreStatic() {
  if (!haveStatic_ || static_.size() != image_.size()) return false;
  std::memcpy(image_.bits(), static_.constBits(), static_cast<size_t>(image_.sizeInBytes()));
  RestoreState(staticState_);
  StateRestored();
  return true;
}

}  // namespace wl
