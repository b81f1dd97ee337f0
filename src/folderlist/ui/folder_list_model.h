#pragma once
// The listed files for a table view: name, distance, points; one row per file in sorted order.
#include <QAbstractTableModel>

#include "folderlist/folder_listing.h"

namespace wl {

class FolderListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  FolderListModel(const FolderListing& listing, QObject* parent);

  // Shows the header only while a listing runs, then the listed rows.
  void Clear();
  void Refresh();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const FolderListing& listing_;
  bool cleared_ = false;
};

}  // namespace wl
