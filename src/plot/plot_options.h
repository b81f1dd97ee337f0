#pragma once
// The settings the plot reads, as plain values: the window fills them from the live settings,
// the command line from its flags.
#include <cstdint>

#include "nav/plot_point_text.h"
#include "settings/settings_values.h"

namespace wl {

struct PlotOptions {
  float speedHigh = 7.5f, speedLow = 3.5f;  // knots; equal values turn the speed colours off
  int32_t WAmin = 40, WAmed = 45, WAmax = 55;  // degrees: the wind vane colour bands
  bool showWind = false;  // wind vanes (TRT tracks only)
  bool windTWA = true;    // vanes coloured by the true wind angle, else the apparent one
  int32_t showText = kShowTextAll;  // top index of the text chooser
  bool uiData = true;     // leg values in the data labels, else the recorded ones
  bool black = false;     // black background
  friend bool operator==(const PlotOptions&, const PlotOptions&) = default;
};

// The live settings as the plot window reads them (the speed limits from their boxes).
PlotOptions PlotOptionsFrom(const SettingsValues& settings);

}  // namespace wl
