#include "mainwin/track_table_model.h"

#include <QColor>

namespace wl {

TrackTableModel::TrackTableModel(const ProcessedTrack& processed, QObject* parent)
    : QAbstractTableModel(parent), table_(processed) {}

void TrackTableModel::Reload() {
  beginResetModel();
  endResetModel();
}

void TrackTableModel::TackFlagChanged(int32_t index) {
  if (index + 1 >= rowCount()) return;
  const QModelIndex mark = this->index(index + 1, 4);
  emit dataChanged(mark, mark, {Qt::BackgroundRole});
}

int TrackTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int TrackTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant TrackTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole: return QString::fromLatin1(table_.Cell(index.row(), index.column()));
    case Qt::BackgroundRole:
      switch (table_.Mark(index.row(), index.column())) {
        case CellMark::Red: return QColor(255, 0, 0);
        case CellMark::Yellow: return QColor(255, 255, 0);
        case CellMark::None: break;
      }
      break;
    case Qt::ForegroundRole:
      // Marked cells keep black text on their colour whatever the theme.
      if (table_.Mark(index.row(), index.column()) != CellMark::None) return QColor(0, 0, 0);
      break;
    default: break;
  }
  return {};
}

QVariant TrackTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const std::string_view head = table_.Head(section);
  return QString::fromLatin1(head.data(), static_cast<qsizetype>(head.size()));
}

}  // namespace wl
