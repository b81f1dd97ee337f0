#pragma once
// The plot saved as a file: PNG from the shown image, PDF as vectors. A save writes a temporary
// file that replaces the target only when it is complete.
#include <QImage>
#include <string>
#include <vector>

#include "plot/plot_call.h"

namespace wl {

// False with error set ("cannot write FILE: reason") when the file cannot be written.
bool SavePlotPng(const QImage& image, const std::string& path, std::string& error);
// picture: the calls of the finished picture (FinalPicture); one page of the window's outer size
// in twips.
bool SavePlotPdf(const std::vector<PlotCall>& picture, double outerWidth, double outerHeight, const std::string& path,
                 std::string& error);

}  // namespace wl
