#pragma once
// What the scaling draws around the track: the dotted grid of meridians and parallels with their
// minute and degree labels, the frame and the speed legend.
#include "plot/plot_colours.h"
#include "plot/plot_options.h"
#include "plot/plot_scaling.h"
#include "plot/plot_surface.h"

namespace wl {

// Sets the scale (unless it is empty) and draws the grid, the frame and the legend of area.
// Leaves the line style dotted, the raster mode copy and the foreground red.
void DrawScaleAndFrame(PlotSurface& surface, const PlotArea& area, const PlotScaling& scaling,
                       const PlotColours& colours, const PlotOptions& options, bool trt);

}  // namespace wl
