#include "nav/ui/tack_list_window.h"

#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwin/clipboard_text.h"
#include "mainwin/grid_style.h"
#include "mainwin/twips.h"
#include "nav/ui/tack_list_model.h"

namespace wl {

TackListWindow::TackListWindow(const ProcessedTrack& processed, QWidget* parent)
    : QDialog(parent), list_(BuildTackList(processed)) {
  setObjectName("frmTackData");
  UseTwipsFont(this);
  setWindowTitle("Tack Data List");

  model_ = new TackListModel(list_, this);
  grid_ = new QTableView(this);
  grid_->setObjectName("MSFGTackData");
  grid_->setModel(model_);
  StyleReadOnlyGrid(grid_, QAbstractItemView::SelectItems, 240);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (size_t c = 0; c < list_.widths.size(); ++c)
    grid_->setColumnWidth(static_cast<int>(c), TwipsToPx(list_.widths[c], this));
  grid_->viewport()->installEventFilter(this);

  // The window is the grid and a margin: grid width + 300 twips.
  auto* layout = new QVBoxLayout(this);
  const int margin = TwipsToPx(150, this);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->addWidget(grid_);
  resize(TwipsToPx(list_.WindowWidth(), this), TwipsToPx(4500, this));

  menu_ = new QMenu("TackData", this);
  menu_->setObjectName("mnuTackData");
  QAction* selectAll = menu_->addAction("&Select All", this, &TackListWindow::SelectAllRows);
  selectAll->setObjectName("mnuSelectAll");
  QAction* copy = menu_->addAction("Copy", this, &TackListWindow::CopySelection);
  copy->setObjectName("mnuCopy");
}

bool TackListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      // The selection stays as it is, so the menu acts on it.
      menu_->popup(mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

GridSelection TackListWindow::ViewSelection() const {
  const QItemSelection selection = grid_->selectionModel()->selection();
  if (!selection.isEmpty()) {
    // One block of cells; Qt may hold it in several pieces.
    GridSelection s{selection.first().top(), selection.first().left(), selection.first().bottom(),
                    selection.first().right()};
    for (const QItemSelectionRange& r : selection) {
      s.row1 = std::min(s.row1, r.top());
      s.col1 = std::min(s.col1, r.left());
      s.row2 = std::max(s.row2, r.bottom());
      s.col2 = std::max(s.col2, r.right());
    }
    return {s.row1 + 1, s.col1, s.row2 + 1, s.col2};
  }
  const QModelIndex current = grid_->currentIndex();
  if (current.isValid()) return {current.row() + 1, current.column(), current.row() + 1, current.column()};
  return list_.selection;
}

void TackListWindow::SelectAllRows() {
  const GridSelection before = ViewSelection();
  list_.selection = before;
  SelectAll(list_);
  const GridSelection& s = list_.selection;
  if (s.row1 == before.row1 && s.col1 == before.col1 && s.row2 == before.row2 && s.col2 == before.col2) return;
  const QModelIndex from = model_->index(s.row1 - 1, s.col1);
  const QModelIndex to = model_->index(s.row2 - 1, s.col2);
  grid_->selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
  grid_->selectionModel()->select(QItemSelection(from, to), QItemSelectionModel::ClearAndSelect);
}

void TackListWindow::CopySelection() {
  list_.selection = ViewSelection();
  SetClipboardText(TackListCopyText(list_));
}

}  // namespace wl
