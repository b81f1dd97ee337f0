#pragma once
// The labels of the plot window: the values of the current point in two rows above the chart,
// the mouse position, the file name, the key legend and the plot point text.
#include <QString>
#include <array>

#include "plot/plot_colours.h"
#include "plot/plot_labels.h"

class QLabel;
class QPainter;
class QWidget;

namespace wl {

class PainterSurface;

class PlotWindowLabels {
 public:
  // Makes the labels on window, hidden; only lblTackPopup takes the mouse.
  explicit PlotWindowLabels(QWidget* window);

  QLabel* Label(PlotLabel label) const { return labels_[static_cast<size_t>(label)]; }
  // The lefts that lblFileName's width depends on, in twips.
  void TellLefts(PlotLabels& labels) const;
  void SetColours(const PlotColours& colours);
  // Texts, visibility, and the places the plot decides (through the surface's scale).
  void Show(const PlotLabels& labels, const PainterSurface& surface, double pixelRatio);
  // The shown labels, on a painter whose unit is a twip.
  void Paint(QPainter& painter) const;

 private:
  // The top right corner, under the key legend.
  void PlacePopup();

  struct Place {
    double left = 0, top = 0, width = 0;  // twips; no width: the plot places it
  };
  QWidget* window_;
  std::array<QLabel*, kPlotLabelCount> labels_{};
  std::array<Place, kPlotLabelCount> places_{};
};

}  // namespace wl
