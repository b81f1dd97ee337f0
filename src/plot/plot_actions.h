#pragma once
// What the plot asks of the program around it: the replay, the settings dialog, the tack flag of
// a point, hiding the window. The window implements it; every call has a do-nothing default for
// plots without a window.
#include <cstdint>

namespace wl {

class PlotActions {
 public:
  virtual ~PlotActions() = default;
  virtual bool SimRunning() const { return false; }
  virtual void SetSimulation(bool /*on*/) {}
  // F1: the point's tack flag toggles by hand (ToggledTackFlag) until the next processing pass.
  virtual void ToggleTackFlag(int32_t /*index*/) {}
  virtual void ShowSettings() {}   // F3, the settings dialog, not modal
  virtual void StepTextMode() {}   // F4: "All", "Nothing", "Tack & Wait", saved; the plot is redrawn
  virtual void ToggleShowWind() {} // F5 on a TRT track: saved; the plot is redrawn
  virtual void HidePlot() {}       // Esc with nothing left to cancel
  virtual void CursorMoved(int32_t /*index*/) {}
};

// A tack mark toggled by hand: 0 becomes 1, 1 becomes 0, a speed outlier (2) stays.
inline int16_t ToggledTackFlag(int16_t flag) { return flag == 0 ? 1 : flag == 1 ? 0 : flag; }

// Key codes of the plot's key handler; 0 re-marks the current point.
enum PlotKey : int32_t {
  kKeyRefresh = 0, kKeyEscape = 27, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36,
  kKeyUp = 38, kKeyDown = 40, kKeyF1 = 112, kKeyF2 = 113, kKeyF3 = 114, kKeyF4 = 115, kKeyF5 = 116,
};
enum PlotButton : int32_t { kLeftButton = 1, kRightButton = 2 };

}  // namespace wl
