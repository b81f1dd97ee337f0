#pragma once
// A wind vane: a shaft from the point towards where the wind comes from, with a barb for every
// ten knots (a short one for the remainder), coloured by the wind angle.
#include "plot/plot_colours.h"
#include "plot/plot_options.h"
#include "plot/plot_scaling.h"
#include "plot/plot_surface.h"
#include "track/track_rec.h"

namespace wl {

// Angle in degrees, either sign: below WAmin low, from WAmin + 1 to WAmed mid, up to WAmax high,
// anything else (WAmin itself, beyond WAmax) out.
Rgb WindVaneColour(float angle, const PlotOptions& options, const PlotColours& colours);

// speed in knots, direction (where the wind comes from) and angle in degrees. Leaves the
// foreground at ColTrack.
void DrawWindPoint(PlotSurface& surface, PosRec p, float speed, float direction, float angle,
                   const PlotScaling& scaling, const PlotOptions& options, const PlotColours& colours);

}  // namespace wl
