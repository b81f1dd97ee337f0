#pragma once
// The plot's text font: DejaVu Sans, loaded from its file so that no machine font is chosen.
#include <QFont>

namespace wl {

// 8 point DejaVu Sans; the application's default font when the file is missing.
QFont PlotFont();

}  // namespace wl
