#include "nav/ui/tack_list_window.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "nav/ui/tack_list_model.h"
#include "session/track_session.h"
#include "widgets/clipboard_text.h"
#include "widgets/grid_style.h"
#include "widgets/read_only_grid.h"
#include "widgets/twips.h"

namespace wl {

TackListWindow::TackListWindow(const TrackSession& session, QWidget* parent)
    : QDialog(parent), list_(BuildTackList(session.Processed())) {
  setObjectName("frmTackData");
  UseTwipsFont(this);
  setWindowTitle("Tack Data List");

  model_ = new TackListModel(list_, this);
  grid_ = new ReadOnlyGrid("MSFGTackData",
                           {"mnuTackData", "TackData", "mnuSelectAll", "&Select All", "mnuCopy", "Copy"},
                           QAbstractItemView::SelectItems, this);
  grid_->setModel(model_);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (size_t c = 0; c < list_.widths.size(); ++c)
    grid_->setColumnWidth(static_cast<int>(c), TwipsToPx(list_.widths[c], this));
  connect(grid_, &ReadOnlyGrid::SelectAllRequested, this, &TackListWindow::SelectAllRows);
  connect(grid_, &ReadOnlyGrid::CopyRequested, this, &TackListWindow::CopySelection);

  // The window is the grid and a margin: grid width + 300 twips.
  auto* layout = new QVBoxLayout(this);
  const int margin = TwipsToPx(150, this);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->addWidget(grid_);
  resize(TwipsToPx(list_.WindowWidth(), this), TwipsToPx(4500, this));
}

GridSelection TackListWindow::ViewSelection() const {
  const std::optional<CellBlock> b = grid_->SelectedBlock();
  if (!b) return list_.selection;
  return {b->top + 1, b->left, b->bottom + 1, b->right};
}

void TackListWindow::SelectAllRows() {
  const GridSelection before = ViewSelection();
  list_.selection = before;
  SelectAll(list_);
  const GridSelection& s = list_.selection;
  if (s.row1 == before.row1 && s.col1 == before.col1 && s.row2 == before.row2 && s.col2 == before.col2) return;
  grid_->SelectBlock({s.row1 - 1, s.col1, s.row2 - 1, s.col2});
}

void TackListWindow::CopySelection() {
  list_.selection = ViewSelection();
  SetClipboardText(TackListCopyText(list_));
}

}  // namespace wl
