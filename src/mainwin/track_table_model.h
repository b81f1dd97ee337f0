#pragma once
// The core's track table as a Qt model: cells are made when the view asks for them.
#include <QAbstractTableModel>

#include "nav/track_table.h"

namespace wl {

class TrackTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  TrackTableModel(const ProcessedTrack& processed, QObject* parent = nullptr);

  const TrackTable& Table() const { return table_; }

  // After every processing pass: rows, columns and heads may all have changed.
  void Reload();
  // A point's tack flag was toggled by hand: its mark, on the next row, is painted anew.
  void TackFlagChanged(int32_t index);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const TrackTable table_;
};

}  // namespace wl
