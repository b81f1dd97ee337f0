#pragma once
// The tack list window: the legs and waits of the session's processed track, built afresh at
// every opening.
#include <QDialog>

#include "nav/tack_list.h"

namespace wl {

class ReadOnlyGrid;
class TackListModel;
class TrackSession;

class TackListWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TackListWindow(const TrackSession& session, QWidget* parent = nullptr);

 signals:
  // A double-click on a row closes the list: the first point of its leg or wait.
  void LegChosen(int32_t index);

 private:
  void SelectAllRows();
  void CopySelection();
  // The grid's selection in list rows (row 0 is the heads); the list's own when the grid has none.
  GridSelection ViewSelection() const;
  void ChooseLeg(const QModelIndex& index);

  const ProcessedTrack& processed_;
  TackList list_;
  TackListModel* model_;
  ReadOnlyGrid* grid_;
};

}  // namespace wl
