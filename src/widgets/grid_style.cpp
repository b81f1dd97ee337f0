#include "widgets/grid_style.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include "widgets/twips.h"

namespace wl {

void UseTwipsFont(QWidget* window) {
  QFont f = window->font();
  f.setFamilies({"Arial", "Liberation Sans", "Nimbus Sans", "Helvetica", f.family()});
  f.setPointSizeF(8);
  window->setFont(f);
}

void StyleReadOnlyGrid(QTableView* grid, QAbstractItemView::SelectionBehavior behavior, int rowHeightTwips) {
  grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid->setSelectionBehavior(behavior);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->setTextElideMode(Qt::ElideNone);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(TwipsToPx(rowHeightTwips, grid));
}

}  // namespace wl
