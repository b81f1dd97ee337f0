#include "widgets/read_only_grid.h"

#include <QHeaderView>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "widgets/grid_style.h"
#include "widgets/twips.h"

namespace wl {

namespace {

constexpr int kRowHeightTwips = 240;
// Texts of the greatest length measured per column: digits are alike in width, letters are not.
constexpr size_t kMeasuredTexts = 16;

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
  auto measure = [&](const QString& text) { width = std::max(width, metrics.horizontalAdvance(text) + margins); };
  // Every row's text is read, the longest ones measured: a single GPS jump makes a cell wider than
  // all the others, and measuring 20001 texts would cost ten times as much.
  const int rows = model()->rowCount();
  std::vector<QString> longest;
  qsizetype longestLength = -1;
  for (int row = 0; row < rows; ++row) {
    QString text = model()->index(row, col).data().toString();
    if (text.size() < longestLength) continue;
    if (text.size() > longestLength) {
      longest.clear();
      longestLength = text.size();
    }
    if (longest.size() < kMeasuredTexts) longest.push_back(std::move(text));
  }
  for (const QString& text : longest) measure(text);
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
