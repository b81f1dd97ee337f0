#pragma once
// The plot's surface painted with QPainter: on an image, where XOR drawing is exact, or on a
// vector device such as a PDF writer, where an XOR drawing shows in the colour it would take on
// the background.
#include <QFont>
#include <QPainter>

#include "plot/plot_surface.h"

class QPaintDevice;

namespace wl {

class PainterSurface : public PlotSurface {
 public:
  // A window of the outer size (twips) whose drawing area is areaWidth x areaHeight twips.
  PainterSurface(double outerWidth, double outerHeight, double areaWidth, double areaHeight);
  ~PainterSurface() override;

  // Paints from now on onto device, which holds the drawing area; rasterOps: the device can XOR.
  void Begin(QPaintDevice* device, bool rasterOps);
  void End();
  // Between Begin and End, for what is painted over the picture.
  QPainter& Painter() { return painter_; }

  // Device pixels of a point in plot units, under the current scale.
  QPointF ToDevice(double x, double y) const;
  // Plot units of a device position (for the mouse).
  void FromDevice(QPointF p, double& x, double& y) const;

 protected:
  void Draw(const PlotCall& call) override;
  // After the drawing state was put back from elsewhere.
  void StateRestored();

 private:
  void ApplyPen();
  QColor Colour(Rgb c) const;
  void DrawSegment(QPointF a, QPointF b);
  void DrawCircle(QPointF centre, double radius);

  QPainter painter_;
  QFont font_;
  double ascent_ = 0;
  double deviceWidth_ = 1, deviceHeight_ = 1;  // device pixels of the drawing area
  double unitsPerPixel_ = 1;                   // device pixels per screen pixel (15 twips)
  bool rasterOps_ = true;
  bool penDirty_ = true;
  bool thinPairs_ = false;  // the pen is one pixel, lines are drawn twice for two
  Rgb penColour_;
};

}  // namespace wl
