#pragma once
// The desktop program's windows over one track session. The main window asks for the other
// windows by its signals; they are shown from here, so no window knows another.
#include <QObject>
#include <memory>

namespace wl {

class FolderListWindow;
class MainWindow;
class PlotWindow;
class SettingsDialog;
class SettingsStore;
class TrackSession;
class UiPrompts;

class GuiApp : public QObject {
  Q_OBJECT

 public:
  GuiApp(SettingsStore& settings, UiPrompts& prompts, bool repairHeading);
  ~GuiApp() override;

  TrackSession& Session() { return *session_; }
  MainWindow& Main() { return *main_; }

 private:
  void ShowPlot();
  void ShowTackList();
  void ShowSettings();
  void ShowFolderList();

  std::unique_ptr<TrackSession> session_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<SettingsDialog> settings_;  // made hidden at start, kept for the run
  FolderListWindow* folderList_ = nullptr;  // made when first asked for, kept for the run
  PlotWindow* plot_ = nullptr;              // made when first shown; Esc and closing hide it
};

}  // namespace wl
