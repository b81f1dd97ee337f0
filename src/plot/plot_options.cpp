#include "plot/plot_options.h"

#include "track/number_parser.h"

namespace wl {

PlotOptions PlotOptionsFrom(const SettingsValues& s) {
  PlotOptions o;
  o.speedHigh = static_cast<float>(ParseNumber(s.txtPltSpdHigh));
  o.speedLow = static_cast<float>(ParseNumber(s.txtPltSpdLow));
  o.WAmin = s.WAmin;
  o.WAmed = s.WAmed;
  o.WAmax = s.WAmax;
  o.showWind = s.PlotShowWind;
  o.windTWA = s.FlagWindTWA;
  o.showText = s.plotShowText;
  o.uiData = s.pltUI;
  o.black = s.plotBlack;
  return o;
}

}  // namespace wl
