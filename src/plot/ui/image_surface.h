#pragma once
// The plot's surface as a retained image, the picture a window shows. It keeps a copy of the
// static layer of the last full redraw, so that a redraw of the same picture is a copy of the
// few pixels drawn on it since; and it tells which pixels changed, so that a window repaints
// only those.
#include <QImage>
#include <QRect>

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
  // The pixels changed since the last call (device pixels; empty when none).
  QRect TakeDamage();

  bool RestoreStatic() override;
  void EndStatic() override;

 protected:
  void Draw(const PlotCall& call) override;

 private:
  // What a call can touch, in device pixels: its box widened by the pen; all for a text.
  QRect Reach(const PlotCall& call) const;

  QImage image_;
  QImage static_;
  bool haveStatic_ = false;
  DrawingState staticState_;
  double pixelsPerScreenPixel_ = 1;
  QRect marks_;   // drawn over the kept static layer
  QRect damage_;  // changed since TakeDamage
};

}  // namespace wl
