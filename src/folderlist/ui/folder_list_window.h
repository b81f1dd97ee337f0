#pragma once
// The folder listing window: the track files of one folder with their distances and point counts.
// One object serves the whole run, so the listed folder is kept between showings.
#include <QDialog>
#include <string>

#include "folderlist/folder_listing.h"
#include "mainwin/ui_prompts.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"

class QLabel;
class QMenu;
class QRadioButton;
class QTableView;

namespace wl {

class FolderListModel;

class FolderListWindow : public QDialog {
  Q_OBJECT
 public:
  FolderListWindow(SettingsStore& store, SettingsValues& values, UiPrompts& prompts, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activate();
  void BrowseFolder();
  void ShowList();
  void SelectAllRows();
  void CopySelectedRows();
  void CopyAllRows();
  ListType SelectedType() const;
  // The chooser's folder, or empty when cancelled.
  std::string ChooseListFolder();

  SettingsStore& store_;
  SettingsValues& values_;
  UiPrompts& prompts_;
  FolderListing listing_;
  std::string listFolder_;
  bool activationPending_ = false;

  FolderListModel* model_;
  QTableView* grid_;
  QRadioButton* optTRC_;
  QRadioButton* optTRT_;
  QRadioButton* optBOTH_;
  QLabel* lblMsg_;
  QMenu* menu_;
};

}  // namespace wl
