#include "app/gui/gui_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "folderlist/ui/folder_list_window.h"
#include "mainwin/main_window.h"
#include "nav/tack_detection.h"
#include "nav/ui/tack_list_window.h"
#include "plot/ui/plot_window.h"
#include "session/track_session.h"
#include "settings/ui/settings_dialog.h"
#include "widgets/twips.h"

namespace wl {

namespace {

SessionStart StartOnThisScreen(bool repairHeading) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {static_cast<float>(PxToTwips(screen.width(), nullptr)),
          static_cast<float>(PxToTwips(screen.height(), nullptr)), repairHeading};
}

// Right of the main window where the screen has room, else against the screen's right edge.
void PlaceBeside(QWidget& window, const QWidget& main) {
  const QRect screen = main.screen()->availableGeometry();
  const QRect frame = main.frameGeometry();
  const int left = std::min(frame.right() + 1, screen.right() + 1 - window.frameGeometry().width());
  window.move(std::max(left, screen.left()), frame.top());
}

}  // namespace

GuiApp::GuiApp(SettingsStore& settings, UiPrompts& prompts, bool repairHeading)
    : session_(std::make_unique<TrackSession>(settings, prompts, StartOnThisScreen(repairHeading))),
      main_(std::make_unique<MainWindow>(*session_)),
      settings_(std::make_unique<SettingsDialog>(*session_)) {
  connect(main_.get(), &MainWindow::PlotRequested, this, &GuiApp::ShowPlot);
  connect(main_.get(), &MainWindow::TackListRequested, this, &GuiApp::ShowTackList);
  connect(main_.get(), &MainWindow::SettingsRequested, this, &GuiApp::ShowSettings);
  connect(main_.get(), &MainWindow::FolderListRequested, this, &GuiApp::ShowFolderList);
}

GuiApp::~GuiApp() = default;

void GuiApp::ShowPlot() {
  if (!EnoughPoints(session_->Store().TrackCount, session_->Prompts())) return;
  if (!plot_) {
    plot_ = new PlotWindow(*session_, main_.get());
    connect(plot_, &PlotWindow::SettingsRequested, this, &GuiApp::ShowSettings);
    PlaceBeside(*plot_, *main_);
  }
  plot_->show();
  plot_->raise();
  plot_->activateWindow();
}

void GuiApp::ShowTackList() {
  TackListWindow window(*session_, main_.get());
  connect(&window, &TackListWindow::LegChosen, main_.get(), &MainWindow::SelectPoint);
  window.exec();
}

void GuiApp::ShowSettings() {
  settings_->show();
  settings_->raise();
  settings_->activateWindow();
}

void GuiApp::ShowFolderList() {
  // The listing keeps its own store: the open track needs no saving first.
  if (!folderList_) folderList_ = new FolderListWindow(*session_, main_.get());
  folderList_->exec();
}

}  // namespace wl
