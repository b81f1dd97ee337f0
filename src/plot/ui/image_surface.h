#pragma once
// The plot's surface as a retained image, the picture a window shows. It keeps a copy of the
// static layer of the last full redraw, so that a redraw of the same picture is a copy.
#include <QImage>

#include "plot/ui/painter_surface.h"

namespace wl {

class ImageSurface : public PainterSurface {
 public:
  // A window of the outer size (twips) whose drawing area is pixels at twipsPerPixel.
  ImageSurface(double outerWidth, double outerHeight, QSize pixels, double twipsPerPixel = 15);
  ~ImageSurface() override;

  const QImage& Image() const { return image_; }
  // The window was resized: a fresh, empty image; the kept layer is gone.
  void Resize(double outerWidth, double outerHeight, QSize pixels, double twipsPerPixel = 15);

  bool RestoreStatic() override;
  void EndStatic() override;

 private:
  QImage image_;
  QImage static_;
  bool haveStatic_ = false;
  DrawingState staticState_;
};

}  // namespace wl
