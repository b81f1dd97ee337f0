#pragma once
// A surface that keeps every call, for the command line's primitive listing, for tests, and for
// vector output that needs the finished picture as a list of calls.
#include <string>
#include <vector>

#include "plot/plot_surface.h"

namespace wl {

class RecordingSurface : public PlotSurface {
 public:
  // A window of this size in twips whose drawing area is all of it.
  RecordingSurface(double widthTwips, double heightTwips) : PlotSurface(widthTwips, heightTwips, widthTwips, heightTwips) {}
  // A window of the outer size whose drawing area is smaller, both in twips.
  RecordingSurface(double outerWidth, double outerHeight, double areaWidth, double areaHeight)
      : PlotSurface(outerWidth, outerHeight, areaWidth, areaHeight) {}
  const std::vector<PlotCall>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 protected:
  void Draw(const PlotCall& call) override { calls_.push_back(call); }

 private:
  std::vector<PlotCall> calls_;
};

// One listing line per call ("lineto<TAB>X<TAB>Y<TAB>R<TAB>G<TAB>B\n"): numbers in plot units
// as "%.15g", colours as three whole numbers. Resetting the scale to twips prints nothing.
void AppendPrimitiveLine(std::string& out, const PlotCall& call);

// What the picture holds when the calls are done: the calls from the last clear on, without the
// XOR drawings that an identical XOR drawing erases again (a marker drawn and wiped).
std::vector<PlotCall> FinalPicture(const std::vector<PlotCall>& calls);

}  // namespace wl
