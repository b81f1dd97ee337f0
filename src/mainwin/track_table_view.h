#pragma once
// MSFGTrack: the track table with the grid's selection model (a current row and a selection end,
// whole rows selected), its keys, its edit pop-up menu and the clipboard copy.
#include <utility>

#include "widgets/read_only_grid.h"

class QAction;

namespace wl {

class TrackTableModel;

class TrackTableView : public ReadOnlyGrid {
  Q_OBJECT

 public:
  enum class Highlight { Never, Always, WhileFocused };

  TrackTableView(TrackTableModel* model, QWidget* parent);

  // The set-up that follows every processing pass: heads and set-up widths, selection hidden,
  // then the Home key (row 0 current and at the top).
  void SetUp();
  void ResizeColumns();
  void SelectAllRows();
  void Copy();

  // Rows are data rows (0 = point 0). The current row is where a selection starts; setting it
  // collapses the selection onto it. The selection end extends the selection from there.
  int CurrentRow() const;
  int SelectionEndRow() const;
  int LastRow() const;
  void SetCurrentRow(int row);
  void SetSelectionEnd(int row);
  void SetFirstVisibleRow(int row);

  void SetHighlight(Highlight highlight);
  Highlight highlight() const { return highlight_; }
  bool ShowsSelection() const;

 signals:
  void DeleteRequested();
  void InsertRequested();
  void UndoRequested();
  void RedoRequested();
  void ThinRequested();

 protected:
  void ShowMenu(bool onHeads, const QPoint& globalPos) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The current row and the selection end.
  std::pair<int, int> Span() const;
  void ApplyHighlight();

  TrackTableModel& model_;
  Highlight highlight_ = Highlight::Never;
  QPalette palette_;  // as the style gives it, before the highlight is hidden
  QAction* deleteAction_;
  QAction* insertAction_;
  QAction* separator_;
  QAction* resizeAction_;
};

}  // namespace wl
