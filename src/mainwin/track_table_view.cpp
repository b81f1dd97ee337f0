#include "mainwin/track_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "mainwin/track_table_model.h"
#include "widgets/clipboard_text.h"

namespace wl {

namespace {

// Paints the selection only as the table's highlight style allows, and never a focus frame.
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(TrackTableView& view) : QStyledItemDelegate(&view), view_(view) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
    if (!view_.ShowsSelection()) option->state &= ~QStyle::State_Selected;
  }

 private:
  const TrackTableView& view_;
};

QAction* AddAction(QMenu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  return a;
}

}  // namespace

TrackTableView::TrackTableView(TrackTableModel* model, QWidget* parent)
    : ReadOnlyGrid("MSFGTrack", {"mnuTRCEdit", "TrackEdit", "mnuTRCSelectAll", "&Select All", "mnuTRCCopy", "&Copy"},
                   SelectRows, parent),
      model_(*model) {
  setModel(&model_);
  setItemDelegate(new CellDelegate(*this));
  setCornerButtonEnabled(false);
  // Row heights are all alike, so the view never measures 20001 rows.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(1);
  palette_ = palette();
  ApplyHighlight();

  connect(this, &ReadOnlyGrid::SelectAllRequested, this, &TrackTableView::SelectAllRows);
  connect(this, &ReadOnlyGrid::CopyRequested, this, &TrackTableView::Copy);
  QMenu* menu = PopupMenu();
  deleteAction_ = AddAction(menu, "mnuTRCDeleteTP", "&Delete Track Point");
  connect(deleteAction_, &QAction::triggered, this, &TrackTableView::DeleteRequested);
  insertAction_ = AddAction(menu, "mnuTRCInsertFileAfter", "&Insert File");
  connect(insertAction_, &QAction::triggered, this, &TrackTableView::InsertRequested);
  separator_ = menu->addSeparator();
  separator_->setObjectName("mnuTRCSep1");
  resizeAction_ = AddAction(menu, "mnuTRCResizeCols", "&Resize Columns");
  connect(resizeAction_, &QAction::triggered, this, &TrackTableView::ResizeColumns);
  menu->addSeparator()->setObjectName("mnuTRCSep2");
  // Shown with their keys in the menu; the keys work anywhere in the window.
  auto edit = [&](const char* name, const char* text, QKeySequence keys, void (TrackTableView::*signal)()) {
    QAction* a = AddAction(menu, name, text);
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, signal);
  };
  edit("mnuTRCUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), &TrackTableView::UndoRequested);
  edit("mnuTRCRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TrackTableView::RedoRequested);
  connect(AddAction(menu, "mnuTRCThin", "&Thin Track..."), &QAction::triggered, this, &TrackTableView::ThinRequested);
}

void TrackTableView::SetUp() {
  model_.Reload();
  SetColumnWidths([this](int col) { return model_.Table().SetupWidth(col); });
  SetHighlight(Highlight::Never);
  SetCurrentRow(0);
  SetFirstVisibleRow(0);
}

void TrackTableView::ResizeColumns() {
  SetColumnWidths([this](int col) { return model_.Table().ResizedWidth(col); });
}

void TrackTableView::SelectAllRows() {
  if (model_.rowCount() < 2) return;
  SetCurrentRow(0);
  SetSelectionEnd(LastRow());
}

void TrackTableView::Copy() {
  // Column 0 ("Trpt#") is the grid's fixed column: neither its head nor its cells are copied.
  const TrackTable& table = model_.Table();
  SetClipboardText(table.CopyText(CurrentRow(), 1, SelectionEndRow(), table.ColumnCount() - 1));
}

std::pair<int, int> TrackTableView::Span() const {
  // The view keeps the selection end as its current index; the start is the other end of the
  // selected rows.
  const QModelIndex currentIndex = this->currentIndex();
  const int current = currentIndex.isValid() ? currentIndex.row() : 0;
  const std::optional<CellBlock> rows = SelectedBlock();
  if (!rows) return {current, current};
  if (current == rows->top) return {rows->bottom, rows->top};
  return {rows->top, rows->bottom};
}

int TrackTableView::CurrentRow() const { return Span().first; }

int TrackTableView::SelectionEndRow() const { return Span().second; }

int TrackTableView::LastRow() const { return std::max(model_.rowCount() - 1, 0); }

void TrackTableView::SetCurrentRow(int row) {
  row = std::clamp(row, 0, LastRow());
  selectionModel()->setCurrentIndex(model_.index(row, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TrackTableView::SetSelectionEnd(int row) {
  row = std::clamp(row, 0, LastRow());
  const int start = CurrentRow();
  const QItemSelection rows(model_.index(std::min(start, row), 0),
                            model_.index(std::max(start, row), model_.columnCount() - 1));
  selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  selectionModel()->setCurrentIndex(model_.index(row, 0), QItemSelectionModel::NoUpdate);
}

void TrackTableView::SetFirstVisibleRow(int row) {
  scrollTo(model_.index(std::clamp(row, 0, LastRow()), 0), QAbstractItemView::PositionAtTop);
}

void TrackTableView::SetHighlight(Highlight highlight) {
  if (highlight_ == highlight) return;
  highlight_ = highlight;
  ApplyHighlight();
}

bool TrackTableView::ShowsSelection() const {
  return highlight_ == Highlight::Always || (highlight_ == Highlight::WhileFocused && hasFocus());
}

void TrackTableView::ApplyHighlight() {
  // The cells follow ShowsSelection through the delegate; the row panel behind them is painted
  // by the style with the palette's highlight.
  QPalette p = palette_;
  if (!ShowsSelection()) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      p.setColor(group, QPalette::Highlight, Qt::transparent);
  } else if (highlight_ == Highlight::Always) {
    p.setBrush(QPalette::Inactive, QPalette::Highlight, p.brush(QPalette::Active, QPalette::Highlight));
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText, p.brush(QPalette::Active, QPalette::HighlightedText));
  }
  setPalette(p);
  viewport()->update();
}

void TrackTableView::focusInEvent(QFocusEvent* event) {
  ReadOnlyGrid::focusInEvent(event);
  if (highlight_ == Highlight::WhileFocused) ApplyHighlight();
}

void TrackTableView::focusOutEvent(QFocusEvent* event) {
  ReadOnlyGrid::focusOutEvent(event);
  if (highlight_ == Highlight::WhileFocused) ApplyHighlight();
}

void TrackTableView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const int last = LastRow();
  if (mods == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Home:
        SetCurrentRow(0);
        SetFirstVisibleRow(0);
        return;
      case Qt::Key_End:
        SetCurrentRow(last);
        SetFirstVisibleRow(last);
        return;
      case Qt::Key_Down:
        if (CurrentRow() < last) SetCurrentRow(CurrentRow() + 1);
        scrollTo(currentIndex());
        return;
      case Qt::Key_Up:
        SetCurrentRow(CurrentRow() >= 1 ? CurrentRow() - 1 : 0);
        scrollTo(currentIndex());
        return;
      case Qt::Key_Delete:
        emit DeleteRequested();
        return;
      default: break;
    }
  } else if (mods == Qt::ShiftModifier) {
    switch (event->key()) {
      case Qt::Key_Home:
        SetSelectionEnd(0);
        SetFirstVisibleRow(0);
        return;
      case Qt::Key_End:
        SetSelectionEnd(last);
        SetFirstVisibleRow(last);
        return;
      case Qt::Key_Down:
        if (SelectionEndRow() < last) SetSelectionEnd(SelectionEndRow() + 1);
        scrollTo(currentIndex());
        return;
      case Qt::Key_Up:
        if (SelectionEndRow() >= 1) SetSelectionEnd(SelectionEndRow() - 1);
        scrollTo(currentIndex());
        return;
      default: break;
    }
  } else if (mods == Qt::ControlModifier && event->key() == Qt::Key_C) {
    Copy();
    return;
  } else if (event->matches(QKeySequence::SelectAll)) {
    SelectAllRows();
    return;
  }
  ReadOnlyGrid::keyPressEvent(event);
}

void TrackTableView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
      setFocus(Qt::MouseFocusReason);
      SetSelectionEnd(index.row());
      return;
    }
  }
  ReadOnlyGrid::mousePressEvent(event);
}

void TrackTableView::mouseReleaseEvent(QMouseEvent* event) {
  ReadOnlyGrid::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) SetHighlight(Highlight::WhileFocused);
}

void TrackTableView::ShowMenu(bool onHeads, const QPoint& globalPos) {
  const int last = LastRow();
  insertAction_->setEnabled(CurrentRow() == last && SelectionEndRow() == last);
  deleteAction_->setEnabled(!onHeads);
  separator_->setVisible(onHeads);
  resizeAction_->setVisible(onHeads);
  ReadOnlyGrid::ShowMenu(onHeads, globalPos);
}

}  // namespace wl
