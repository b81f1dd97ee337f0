#pragma once
// Colours of the plot: the table that depends on the background, and the fixed marks.
#include <cstdint>

namespace wl {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PlotColours {
  Rgb ColBack, ColTrack, ColFrame, ColLabel, ColPosLabel, ColWindLow, ColWindOut, ColWindMid, ColWindHigh;
  friend bool operator==(const PlotColours&, const PlotColours&) = default;
};

// The table for a white background, or for a black one when white is false.
PlotColours SetPlotColours(bool white);

inline constexpr Rgb kWaitColour{255, 0, 0};
inline constexpr Rgb kTackColour{0, 255, 0};
inline constexpr Rgb kMarkerColour{0, 255, 255};  // the cursor marker and the simulator's circles
inline constexpr Rgb kAfterScalingColour{255, 0, 0};
// XOR-drawn: white inverts either background, where the background colour would leave black unchanged.
inline constexpr Rgb kRubberBandColour{255, 255, 255};

}  // namespace wl
