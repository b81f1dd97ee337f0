#pragma once
// The options of wakeline-cli plot.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plot/plot_options.h"

namespace wl::cli {

struct PlotCliOptions {
  double width = 11850, height = 7000;  // the window's outer size, twips
  PlotOptions plot;                     // its speed scale is replaced by the track's unless fixed
  bool speedFixed = false;
  int32_t cursor = 0;
  enum class Output { Png, Pdf, Primitives } output = Output::Primitives;
  std::string outFile;
};

// Takes the plot options out of args. A wrong or missing value gives a message and kExitUsage.
int ParsePlotOptions(std::vector<std::string>& args, PlotCliOptions& options);

}  // namespace wl::cli
