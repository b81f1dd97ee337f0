#pragma once
// The look and behaviour every read-only grid of the program shares.
#include <QAbstractItemView>

class QTableView;
class QWidget;

namespace wl {

// The narrow 8 point sans serif that the twips layout of every window was drawn for.
void UseTwipsFont(QWidget* window);

// Contiguous selection of the given kind, no editing, no wrapping or eliding, no row numbers, and
// rows of the given height in twips.
void StyleReadOnlyGrid(QTableView* grid, QAbstractItemView::SelectionBehavior behavior, int rowHeightTwips);

}  // namespace wl
