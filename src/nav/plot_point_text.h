#pragma once
// The text the plot shows next to the point under its cursor.
#include <cstdint>
#include <string>

#include "nav/track_processing.h"

namespace wl {

// Top index of the plot's text chooser (its entries 0 and 4 are blank).
enum PlotShowText : int32_t { kShowTextAll = 1, kShowTextNothing = 2, kShowTextTackWait = 3 };

// Ordinary point: its speed, in mode "All" only (the leg speed when useUiData). Tack point: the
// leg that ends there. Wait: its duration. Empty otherwise, and in mode "Nothing" always.
std::string PlotPointText(const ProcessedTrack& processed, int32_t c, int32_t showText, bool useUiData);

}  // namespace wl
