// The plot window's keys and mouse, passed to the plot in its codes and units.
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "plot/plot_view.h"
#include "plot/ui/image_surface.h"
#include "plot/ui/plot_window.h"
#include "plot/ui/plot_window_labels.h"

namespace wl {

namespace {

// The plot's key code, or -1 for a key it does not know.
int32_t KeyCode(int key) {
  switch (key) {
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_F1: return kKeyF1;
    case Qt::Key_F2: return kKeyF2;
    case Qt::Key_F3: return kKeyF3;
    case Qt::Key_F4: return kKeyF4;
    case Qt::Key_F5: return kKeyF5;
    default: return -1;
  }
}

int32_t Button(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return kLeftButton;
  if (button == Qt::RightButton) return kRightButton;
  return 0;
}

bool Shift(const QInputEvent* event) { return event->modifiers() & Qt::ShiftModifier; }

// One notch of the wheel zooms by a quarter.
constexpr double kWheelNotch = 120, kZoomPerNotch = 1.25;

}  // namespace

void PlotWindow::ToPlot(QPointF pos, double& x, double& y) const {
  surface_->FromDevice(pos * surfacePixelRatio_, x, y);
}

QPointF PlotWindow::WindowPos(const PosRec& pos) const {
  return surface_->ToDevice(pos.Lon, pos.Lat) / surfacePixelRatio_;
}

void PlotWindow::ShowMenu(QPoint globalPos) { menu_->popup(globalPos); }

void PlotWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Menu) {
    ShowMenu(mapToGlobal(rect().center()));
    return;
  }
  const int32_t code = KeyCode(event->key());
  if (code < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  view_->KeyDown(code, Shift(event));
  Show();
}

void PlotWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && Shift(event)) {
    ShowMenu(event->globalPosition().toPoint());
    return;
  }
  const int32_t button = Button(event->button());
  if (!button) return;
  double x, y;
  ToPlot(event->position(), x, y);
  // The press acts where the mouse is, even when no move told the plot so.
  view_->MouseMove(0, Shift(event), x, y);
  view_->MouseDown(button, Shift(event), x, y);
  Show();
}

void PlotWindow::mouseMoveEvent(QMouseEvent* event) {
  double x, y;
  ToPlot(event->position(), x, y);
  view_->MouseMove(Button(event->button()), Shift(event), x, y);
  Show();
}

void PlotWindow::mouseReleaseEvent(QMouseEvent* event) {
  const int32_t button = Button(event->button());
  if (!button) return;
  double x, y;
  ToPlot(event->position(), x, y);
  view_->MouseUp(button, Shift(event), x, y);
  Show();
}

void PlotWindow::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kWheelNotch;
  if (notches == 0) return;
  double x, y;
  ToPlot(event->position(), x, y);
  view_->WheelZoom(x, y, std::pow(kZoomPerNotch, notches));
  Show();
}

bool PlotWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == labels_->Label(PlotLabel::TackPopup) && event->type() == QEvent::MouseButtonPress) {
    view_->TogglePopup();
    Show();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace wl
