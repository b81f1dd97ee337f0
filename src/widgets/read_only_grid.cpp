#include "widgets/read_only_grid.h"

#include <QHeaderView>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

#include "widgets/grid_style.h"
#include "widgets/twips.h"

namespace wl {

namespace {

constexpr int kRowHeightTwips = 240;
// Enough rows to meet the widest texts of a column of numbers without measuring 20001 of them.
constexpr int kSampledRows = 32;

}  // namespace

ReadOnlyGrid::ReadOnlyGrid(const char* objectName, const GridMenu& menu, SelectionBehavior behavior,
                           QWidget* parent)
    : QTableView(parent), menu_(new QMenu(menu.title, this)) {
  setObjectName(objectName);
  StyleReadOnlyGrid(this, behavior, kRowHeightTwips);
  horizontalHeader()->viewport()->installEventFilter(this);
  menu_->setObjectName(menu.name);
  menu_->addAction(menu.selectAllText, this, &ReadOnlyGrid::SelectAllRequested)->setObjectName(menu.selectAllName);
  menu_->addAction(menu.copyText, this, &ReadOnlyGrid::CopyRequested)->setObjectName(menu.copyName);
}

std::optional<CellBlock> ReadOnlyGrid::SelectedBlock() const {
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return std::nullopt;
    return CellBlock{current.row(), current.column(), current.row(), current.column()};
  }
  const QItemSelectionRange& first = selection.first();
  CellBlock b{first.top(), first.left(), first.bottom(), first.right()};
  for (const QItemSelectionRange& r : selection) {
    b.top = std::min(b.top, r.top());
    b.left = std::min(b.left, r.left());
    b.bottom = std::max(b.bottom, r.bottom());
    b.right = std::max(b.right, r.right());
  }
  return b;
}

void ReadOnlyGrid::SelectBlock(const CellBlock& block) {
  const QModelIndex from = model()->index(block.top, block.left);
  selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
  selectionModel()->select(QItemSelection(from, model()->index(block.bottom, block.right)),
                           QItemSelectionModel::ClearAndSelect);
}

int ReadOnlyGrid::TextWidth(int col) const {
  // The item view's text margin on both sides, and the grid line.
  const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int margins = 2 * textMargin + (showGrid() ? 1 : 0);
  const QFontMetrics metrics(font());
  int width = horizontalHeader()->sectionSizeHint(col);
  auto measure = [&](int row) {
    width = std::max(width, metrics.horizontalAdvance(model()->index(row, col).data().toString()) + margins);
  };
  const int rows = model()->rowCount();
  for (int row = 0; row < rows; row += std::max(1, rows / kSampledRows)) measure(row);
  if (rows > 0) measure(rows - 1);
  return width;
}

void ReadOnlyGrid::SetColumnWidths(const std::function<int32_t(int col)>& twips) {
  for (int col = 0; col < model()->columnCount(); ++col)
    setColumnWidth(col, std::max(TwipsToPx(twips(col), this), TextWidth(col)));
}

void ReadOnlyGrid::ShowMenu(bool, const QPoint& globalPos) { menu_->popup(globalPos); }

void ReadOnlyGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    ShowMenu(false, event->globalPosition().toPoint());
    return;
  }
  QTableView::mousePressEvent(event);
}

bool ReadOnlyGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      ShowMenu(true, mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QTableView::eventFilter(watched, event);
}

}  // namespace wl
