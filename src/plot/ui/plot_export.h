#pragma once
// The plot saved as a file: PNG from the shown image, PDF as vectors. A save writes a temporary
// file that replaces the target only when it is complete.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "plot/plot_call.h"

class QPainter;

namespace wl {

// False with error set ("cannot write FILE: reason") when the file cannot be written.
bool SavePlotPng(const QImage& image, const std::string& path, std::string& error);
// picture: the calls of the finished picture (FinalPicture); one page of the window's outer size
// in twips.
bool SavePlotPdf(const std::vector<PlotCall>& picture, double outerWidth, double outerHeight, const std::string& path,
                 std::string& error);

// A page of a window's drawing area, smaller than its outer size (all in twips), with what the
// window shows over the picture.
struct PlotPdfPage {
  double outerWidth = 0, outerHeight = 0;
  double areaWidth = 0, areaHeight = 0;
  // Paints over the picture; the painter's unit is a twip.
  std::function<void(QPainter&)> overlay;
};
bool SavePlotPdf(const std::vector<PlotCall>& picture, const PlotPdfPage& page, const std::string& path,
                 std::string& error);

}  // namespace wl
