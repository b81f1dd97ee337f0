#include "nav/ui/tack_list_window.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "nav/ui/tack_list_model.h"
#include "session/track_session.h"
#include "track/date_format.h"
#include "widgets/clipboard_text.h"
#include "widgets/grid_style.h"
#include "widgets/read_only_grid.h"
#include "widgets/twips.h"

namespace wl {

TackListWindow::TackListWindow(const TrackSession& session, QWidget* parent)
    : QDialog(parent), processed_(session.Processed()), list_(BuildTackList(processed_)) {
  setObjectName("frmTackData");
  UseTwipsFont(this);
  setWindowTitle("Tack Data List");

  model_ = new TackListModel(list_, this);
  grid_ = new ReadOnlyGrid("MSFGTackData",
                           {"mnuTackData", "TackData", "mnuSelectAll", "&Select All", "mnuCopy", "Copy"},
                           QAbstractItemView::SelectItems, this);
  grid_->setModel(model_);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->SetColumnWidths([this](int col) { return list_.widths[static_cast<size_t>(col)]; });
  connect(grid_, &ReadOnlyGrid::SelectAllRequested, this, &TackListWindow::SelectAllRows);
  connect(grid_, &ReadOnlyGrid::CopyRequested, this, &TackListWindow::CopySelection);
  connect(grid_, &QAbstractItemView::doubleClicked, this, &TackListWindow::ChooseLeg);

  // The grid is its columns and 330 twips; the window is the grid and 300 twips.
  auto* layout = new QVBoxLayout(this);
  const int margin = TwipsToPx(150, this);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->addWidget(grid_);
  int columns = 0;
  for (int c = 0; c < model_->columnCount(); ++c) columns += grid_->columnWidth(c);
  resize(columns + TwipsToPx(330 + 300, this), TwipsToPx(4500, this));
}

void TackListWindow::ChooseLeg(const QModelIndex& index) {
  // The list row's start time, sought from the previous row's start on: rows follow the track.
  int32_t point = -1;
  for (int row = 0; row <= index.row(); ++row) {
    const std::string& start = list_.rows[static_cast<size_t>(row) + 1][0];
    if (start.empty()) continue;
    for (++point; point < processed_.count; ++point)
      if (FormatDate(processed_.ProcRecs[static_cast<size_t>(point)].Time, "YYYYMMDD HH:MM:SS") == start) break;
  }
  if (point < 0 || point >= processed_.count) return;
  emit LegChosen(point);
  accept();
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
