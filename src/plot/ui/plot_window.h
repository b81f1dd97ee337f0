#pragma once
// frmPlotter: the plot of the session's track, a window of its own beside the main one. The plot
// core draws and decides; this window passes keys, the mouse and the session's signals in, and
// shows the picture with the labels around it.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "plot/plot_actions.h"
#include "plot/plot_colours.h"
#include "settings/settings_keys.h"

class QMenu;

namespace wl {

class ImageSurface;
class PlotView;
class PlotWindowLabels;
class TrackSession;
struct PosRec;

class PlotWindow : public QWidget, private PlotActions {
  Q_OBJECT

 public:
  explicit PlotWindow(TrackSession& session, QWidget* parent = nullptr);
  ~PlotWindow() override;

  const PlotView& View() const { return *view_; }
  // The picture as drawn, without the labels; device pixels.
  const QImage& Image() const;
  QMenu* ContextMenu() const { return menu_; }
  // Where a position lies on the window, under the current scale.
  QPointF WindowPos(const PosRec& pos) const;

 signals:
  void SettingsRequested();  // F3

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // PlotActions.
  bool SimRunning() const override;
  void SetSimulation(bool on) override;
  void ToggleTackFlag(int32_t index) override;
  void ShowSettings() override;
  void StepTextMode() override;
  void ToggleShowWind() override;
  void HidePlot() override;
  void CursorMoved(int32_t index) override;

  // The session's signals.
  void ShowCaption();  // names the file, and a running replay
  void FollowTrack();
  void FollowSetting(SettingKey key);
  void FollowTackFlag();
  void FollowCursor(int32_t index);
  void DrawSimulatorMark(const PosRec& pos);

  // The surface fits the window's size and pixel density; false when it already did.
  bool FitSurface();
  // After the view acted: the labels follow it and the window repaints.
  void Show();
  // A redraw for changes that come in bursts (a processing pass changes the speed scale too).
  void RedrawSoon();
  void ActivateSoon();
  void ShowMenu(QPoint globalPos);
  void SaveImage();
  bool SavePdf(const std::string& path, std::string& error) const;
  // A position on the window in plot units.
  void ToPlot(QPointF pos, double& x, double& y) const;

  TrackSession& session_;
  std::unique_ptr<ImageSurface> surface_;
  std::unique_ptr<PlotView> view_;
  std::unique_ptr<PlotWindowLabels> labels_;
  QMenu* menu_;
  PlotColours shownColours_{};
  double surfacePixelRatio_ = 0;
  bool redrawPending_ = false, activationPending_ = false;
  bool togglingTack_ = false;  // our own F1: the view redraws it
  // Coming to the front activates the plot (and unzooms it) only when another of this program's
  // windows had the front: a message box, a file dialog or another program leaves it as it was.
  bool activationOwed_ = false;
};

}  // namespace wl
