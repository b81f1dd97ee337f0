#include "plot/plot_colours.h"

namespace wl {

PlotColours SetPlotColours(bool white) {
  if (white)
    return {{255, 255, 255}, {0, 0, 0}, {0, 0, 255}, {0, 176, 0}, {0, 0, 0},
            {255, 0, 0},     {0, 0, 0}, {64, 160, 0}, {0, 255, 0}};
  return {{0, 0, 0},   {255, 255, 255}, {0, 0, 255},   {0, 255, 0}, {255, 255, 0},
          {255, 0, 0}, {255, 255, 255}, {255, 255, 0}, {0, 255, 0}};
}

}  // namespace wl
