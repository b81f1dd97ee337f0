#include "folderlist/ui/folder_list_model.h"

#include <QString>

#include "track/number_format.h"

namespace wl {

FolderListModel::FolderListModel(const FolderListing& listing, QObject* parent)
    : QAbstractTableModel(parent), listing_(listing) {}

void FolderListModel::Clear() {
  beginResetModel();
  cleared_ = true;
  endResetModel();
}

void FolderListModel::Refresh() {
  beginResetModel();
  cleared_ = false;
  endResetModel();
}

int FolderListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || cleared_ ? 0 : static_cast<int>(listing_.Rows().size());
}

int FolderListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  // Names to the left, numbers to the right.
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  const ListRow& row = listing_.Rows()[static_cast<size_t>(index.row())];
  switch (index.column()) {
    case 0: return QString::fromStdString(row.name);
    case 1: return QString::fromStdString(DistanceText(row.distance, LocaleDecimalSeparator()));
    default: return QString::number(row.points);
  }
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kHeads[] = {"name", "distance", "points"};
  return QString(kHeads[section]);
}

}  // namespace wl
