#pragma once
// The track itself: segments coloured by speed, red circles where the boat waited, green ones at
// tacks, their times, and the wind vanes.
#include <string>

#include "nav/track_processing.h"
#include "plot/plot_colours.h"
#include "plot/plot_options.h"
#include "plot/plot_scaling.h"
#include "plot/plot_surface.h"

namespace wl {

// The label of a wait of d days: "W 00:12" from one minute up to a day, "W  2 03:12" beyond;
// empty under a minute.
std::string PlotWaitText(double d);

// Draws points 0..count-1 of the track (at least one).
void DrawTrackPoints(PlotSurface& surface, const ProcessedTrack& track, const PlotScaling& scaling,
                     const PlotOptions& options, const PlotColours& colours);

}  // namespace wl
