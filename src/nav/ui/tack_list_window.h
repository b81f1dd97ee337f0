#pragma once
// The tack list window: the legs and waits of the processed track, built afresh at every opening.
#include <QDialog>

#include "nav/tack_list.h"
#include "nav/track_processing.h"

class QMenu;
class QTableView;

namespace wl {

class TackListModel;

class TackListWindow : public QDialog {
  Q_OBJECT
 public:
  TackListWindow(const ProcessedTrack& processed, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectAllRows();
  void CopySelection();
  // The view's selection in grid rows (row 0 is the heads); the list's own when the view has none.
  GridSelection ViewSelection() const;

  TackList list_;
  TackListModel* model_;
  QTableView* grid_;
  QMenu* menu_;
};

}  // namespace wl
