#include "plot/ui/plot_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "plot/plot_view.h"
#include "plot/ui/image_surface.h"
#include "plot/ui/plot_window_labels.h"
#include "session/track_replay.h"
#include "session/track_session.h"
#include "settings/setting_checks.h"
#include "widgets/twips.h"

namespace wl {

namespace {

// The window's first size: room for the key legend in one line. The smallest keeps a drawing
// area inside the margins.
constexpr double kWidth = 13500, kHeight = 7500, kMinWidth = 3000, kMinHeight = 2400;  // twips

// The settings the settings dialog redraws the plot for.
bool RedrawsThePlot(SettingKey key) {
  switch (key) {
    case SettingKey::PlotShowText:
    case SettingKey::PlotShowData:
    case SettingKey::PlotSpeedHigh:
    case SettingKey::PlotSpeedLow:
    case SettingKey::PlotShowWind:
    case SettingKey::WAmin:
    case SettingKey::WAmed:
    case SettingKey::WAmax: return true;
    default: return false;
  }
}

}  // namespace

PlotWindow::PlotWindow(TrackSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), labels_(std::make_unique<PlotWindowLabels>(this)) {
  setObjectName("frmPlotter");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  // The right button zooms; the menu comes with Shift or the menu key.
  setContextMenuPolicy(Qt::PreventContextMenu);
  setMinimumSize(TwipsToPx(kMinWidth, this), TwipsToPx(kMinHeight, this));
  resize(TwipsToPx(kWidth, this), TwipsToPx(kHeight, this));
  labels_->Label(PlotLabel::TackPopup)->installEventFilter(this);

  FitSurface();
  view_ = std::make_unique<PlotView>(*surface_, static_cast<PlotActions&>(*this), session_.Prompts());
  labels_->TellLefts(view_->Labels());
  view_->SetOptions(PlotOptionsFrom(session_.Settings()));
  FollowTrack();
  view_->SetCursorIndex(session_.Cursor());

  menu_ = new QMenu(this);
  menu_->setObjectName("mnuPlot");
  QAction* save = menu_->addAction("Save plot as image...", this, &PlotWindow::SaveImage);
  save->setObjectName("mnuSavePlotImage");
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  save->setShortcutContext(Qt::WindowShortcut);
  addAction(save);

  connect(&session_, &TrackSession::TrackProcessed, this, &PlotWindow::FollowTrack);
  connect(&session_, &TrackSession::TrackChanged, this, &PlotWindow::FollowTrack);
  connect(&session_, &TrackSession::SettingChanged, this, &PlotWindow::FollowSetting);
  connect(&session_, &TrackSession::TackFlagChanged, this, &PlotWindow::FollowTackFlag);
  connect(&session_, &TrackSession::CursorMoved, this, &PlotWindow::FollowCursor);
  connect(&session_.Replay(), &TrackReplay::Simulated, this, &PlotWindow::DrawSimulatorMark);
  connect(&session_.Replay(), &TrackReplay::Started, this, &PlotWindow::ShowCaption);
  connect(&session_.Replay(), &TrackReplay::Stopped, this, &PlotWindow::ShowCaption);
}

PlotWindow::~PlotWindow() = default;

const QImage& PlotWindow::Image() const { return surface_->Image(); }

bool PlotWindow::FitSurface() {
  const double ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  const double outerWidth = PxToTwips(frameGeometry().width(), this);
  const double outerHeight = PxToTwips(frameGeometry().height(), this);
  const double twipsPerPixel = PxToTwips(1, this) / ratio;
  if (surface_ && surface_->Image().size() == pixels && ratio == surfacePixelRatio_ &&
      surface_->OuterWidth() == outerWidth && surface_->OuterHeight() == outerHeight &&
      surface_->AreaWidth() == pixels.width() * twipsPerPixel)
    return false;
  if (surface_) {
    surface_->Resize(outerWidth, outerHeight, pixels, twipsPerPixel);
  } else {
    surface_ = std::make_unique<ImageSurface>(outerWidth, outerHeight, pixels, twipsPerPixel);
  }
  surfacePixelRatio_ = ratio;
  return true;
}

void PlotWindow::Show() {
  if (!(shownColours_ == view_->State().colours)) {
    shownColours_ = view_->State().colours;
    labels_->SetColours(shownColours_);
  }
  labels_->Show(view_->Labels(), *surface_, surfacePixelRatio_);
  // A cursor step changes two markers' worth of pixels, not the picture.
  const QRect damage = surface_->TakeDamage();
  const double r = surfacePixelRatio_;
  if (damage.isEmpty()) return;
  const QRectF logical(damage.x() / r, damage.y() / r, damage.width() / r, damage.height() / r);
  update(logical.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PlotWindow::paintEvent(QPaintEvent* event) {
  // Also a move to a screen of another pixel density, which changes no size.
  if (FitSurface()) {
    view_->Redraw();
    Show();  // all of it, at the next paint
  }
  QPainter painter(this);
  const QRect r = event->rect();
  const QRectF source(QPointF(r.topLeft()) * surfacePixelRatio_, QSizeF(r.size()) * surfacePixelRatio_);
  painter.drawImage(QRectF(r), surface_->Image(), source);
}

void PlotWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FitSurface()) {
    view_->Redraw();
    Show();
  }
}

void PlotWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ActivateSoon();
}

void PlotWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow()) {
    const QWidget* front = QApplication::activeWindow();
    activationOwed_ = front && front != this && !front->isModal();
  } else if (activationOwed_) {
    activationOwed_ = false;
    ActivateSoon();
  }
}

// Showing the window and its coming to the front arrive one after the other: one activation.
void PlotWindow::ActivateSoon() {
  if (activationPending_) return;
  activationPending_ = true;
  QTimer::singleShot(0, this, [this] {
    activationPending_ = false;
    if (!isVisible()) return;
    FitSurface();
    view_->SetOptions(PlotOptionsFrom(session_.Settings()));
    view_->Activate();
    Show();
  });
}

void PlotWindow::RedrawSoon() {
  if (redrawPending_ || !isVisible()) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    redrawPending_ = false;
    if (!isVisible()) return;
    view_->SetOptions(PlotOptionsFrom(session_.Settings()));
    view_->RePlot();
    Show();
  });
}

void PlotWindow::ShowCaption() {
  const std::string& name = session_.Store().TrackFileName;
  QString caption = name.empty() ? QString("Plot Route") : "Plot Route - " + QString::fromStdString(name);
  if (session_.Replay().Running()) caption += " - replaying";
  setWindowTitle(caption);
}

void PlotWindow::FollowTrack() {
  ShowCaption();
  // At once, not at the redraw: the cursor must stay within the new points.
  view_->SetTrack(&session_.Processed(), session_.Store().TrackFileName);
  RedrawSoon();
}

void PlotWindow::FollowSetting(SettingKey key) {
  if (RedrawsThePlot(key)) RedrawSoon();
}

void PlotWindow::FollowTackFlag() {
  if (!togglingTack_) RedrawSoon();
}

void PlotWindow::FollowCursor(int32_t index) {
  if (index == view_->State().CursorIndex) return;
  if (!isVisible()) {
    view_->SetCursorIndex(index);
    return;
  }
  view_->MoveCursorTo(index);
  Show();
}

bool PlotWindow::SimRunning() const { return session_.Replay().Running(); }

void PlotWindow::SetSimulation(bool on) {
  if (on) {
    session_.Replay().Start();
  } else {
    session_.Replay().Stop();
  }
}

void PlotWindow::DrawSimulatorMark(const PosRec& pos) {
  if (!isVisible() || !view_->State().PlotReady) return;
  view_->DrawSimulatorMark(pos);
  Show();
}

void PlotWindow::ToggleTackFlag(int32_t index) {
  togglingTack_ = true;
  session_.ToggleTackFlag(index);
  togglingTack_ = false;
}

void PlotWindow::ShowSettings() { emit SettingsRequested(); }

void PlotWindow::StepTextMode() {
  session_.ChangeSetting(SettingKey::PlotShowText,
                         [](SettingsValues& v) { v.plotShowText = ClickedPlotShowText(v.plotShowText); });
}

void PlotWindow::ToggleShowWind() {
  session_.ChangeSetting(SettingKey::PlotShowWind, [](SettingsValues& v) {
    v.PlotShowWind = !v.PlotShowWind;
    v.chkPlotShowWind = v.PlotShowWind;
  });
}

void PlotWindow::HidePlot() { hide(); }

void PlotWindow::CursorMoved(int32_t index) { session_.SetCursor(index); }

}  // namespace wl
