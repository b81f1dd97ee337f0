#pragma once
// frmMain: the program's start window. It owns the open track, shows it in the track table and
// holds the file and edit commands.
#include <QWidget>
#include <memory>
#include <string>

#include "mainwin/track_history.h"
#include "mainwin/ui_prompts.h"
#include "nav/track_processing.h"
#include "nav/track_table.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "track/track_store.h"

class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace wl {

class FolderListWindow;
class TackAngleBox;
class TrackTableModel;
class TrackTableView;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Runs the start-up: stored geometry and settings, the caption, the empty table.
  MainWindow(SettingsStore& settingsStore, UiPrompts& prompts, bool repairHeading, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The commands, as their buttons, keys and menus run them.
  void Open();
  void OpenFile(const std::string& fileName);  // Open once the file is chosen
  void InsertFile();
  void DeletePoints();
  void Save();
  void DeleteOpenFile();
  void ShowComments();
  void ShowTackList();
  void ShowFolderList();
  void Undo();
  void Redo();
  void CenterWindow();
  void SizeToDefault();

  const TrackStore& Store() const { return *store_; }
  const ProcessedTrack& Processed() const { return *processed_; }
  SettingsValues& Settings() { return settings_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  QPushButton* AddButton(const char* name, const char* caption, const char* toolTip, int left, int top);
  void Place(QWidget* w, int left, int top, int width, int height);
  void Layout();
  void RestoreGeometry();
  void StoreGeometry();

  // Asks "save first?" when the points have changed; true when the user wants to stop.
  bool WantsToSaveFirst();
  // The processing pass and the table set-up that follows it.
  void Process();
  void AfterPointsChanged();
  void AfterRead();
  // Save and Delete Open File follow the kind of the open track.
  void UpdateFileButtons();

  SettingsStore& settingsStore_;
  UiPrompts& prompts_;
  const bool repairHeading_;
  SettingsValues settings_;

  std::unique_ptr<TrackStore> store_;
  std::unique_ptr<TrackBlock> scratch_;
  std::unique_ptr<ProcessedTrack> processed_;
  TrackTable table_;
  TrackHistory history_;

  TrackTableModel* model_ = nullptr;
  TrackTableView* grid_ = nullptr;
  QPushButton* cmdOpen_ = nullptr;
  QPushButton* cmdPlot_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdComments_ = nullptr;
  QPushButton* cmdDelFile_ = nullptr;
  QPushButton* cmdShowTack_ = nullptr;
  QPushButton* cmdCOMSet_ = nullptr;
  QPushButton* cmdListDist_ = nullptr;
  QRadioButton* optAllWpts_ = nullptr;
  QRadioButton* optTrackWpts_ = nullptr;
  TackAngleBox* tackAngle_ = nullptr;
  QLabel* inputName_ = nullptr;
  QLabel* outputName_ = nullptr;
  QLabel* progress_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  FolderListWindow* folderList_ = nullptr;
};

}  // namespace wl
