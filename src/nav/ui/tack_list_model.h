#pragma once
// The tack list for a table view: the heads of row 0 become the column heads, the data rows of
// the list are the model's rows (model row r is list row r + 1).
#include <QAbstractTableModel>

#include "nav/tack_list.h"

namespace wl {

class TackListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TackListModel(const TackList& list, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const TackList& list_;
};

}  // namespace wl
