#include "nav/ui/tack_list_model.h"

#include <QString>

namespace wl {

TackListModel::TackListModel(const TackList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

int TackListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || list_.rows.empty() ? 0 : static_cast<int>(list_.rows.size()) - 1;
}

int TackListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.widths.size());
}

QVariant TackListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const auto& row = list_.rows[static_cast<size_t>(index.row()) + 1];
  return QString::fromStdString(row[static_cast<size_t>(index.column())]);
}

QVariant TackListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || list_.rows.empty()) return {};
  return QString::fromStdString(list_.rows[0][static_cast<size_t>(section)]);
}

}  // namespace wl
