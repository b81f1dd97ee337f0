#pragma once
// The folder listing window: the track files of one folder with their distances and point counts.
// One object serves the whole run, so the listed folder is kept between showings.
#include <QDialog>
#include <string>

#include "folderlist/folder_listing.h"

class QLabel;
class QRadioButton;

namespace wl {

class FolderListModel;
class ReadOnlyGrid;
class TrackSession;

class FolderListWindow : public QDialog {
  Q_OBJECT
 public:
  // Files are read with the session's live reader settings into the listing's own store.
  explicit FolderListWindow(const TrackSession& session, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Activate();
  void BrowseFolder();
  void ShowList();
  void SelectAllRows();
  void CopySelectedRows();
  void CopyAllRows();
  ListType SelectedType() const;
  void SetColumnWidths();
  // The chooser's folder, or empty when cancelled.
  std::string ChooseListFolder();

  const TrackSession& session_;
  FolderListing listing_;
  std::string listFolder_;
  bool activationPending_ = false;

  FolderListModel* model_;
  ReadOnlyGrid* grid_;
  QRadioButton* optTRC_;
  QRadioButton* optTRT_;
  QRadioButton* optBOTH_;
  QLabel* lblMsg_;
};

}  // namespace wl
