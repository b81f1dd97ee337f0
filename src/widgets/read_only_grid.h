#pragma once
// A read-only table with the pop-up menu every grid of the program has: a right press on the
// cells or the heads opens it at the pointer and leaves the selection as it is. What Select All
// and Copy do is the window's.
#include <QTableView>
#include <cstdint>
#include <functional>
#include <optional>

class QMenu;

namespace wl {

// Object names and captions of a grid's pop-up menu and its two items.
struct GridMenu {
  const char* name;
  const char* title;
  const char* selectAllName;
  const char* selectAllText;
  const char* copyName;
  const char* copyText;
};

// Model rows and columns, corners in reading order.
struct CellBlock {
  int top = 0, left = 0, bottom = 0, right = 0;
};

class ReadOnlyGrid : public QTableView {
  Q_OBJECT

 public:
  ReadOnlyGrid(const char* objectName, const GridMenu& menu, SelectionBehavior behavior, QWidget* parent);

  QMenu* PopupMenu() const { return menu_; }
  // The selected cells as one block (Qt may hold it in pieces); the current cell when nothing is
  // selected; nothing when there is neither.
  std::optional<CellBlock> SelectedBlock() const;
  // Selects the block and makes its top left cell the current one.
  void SelectBlock(const CellBlock& block);
  // Sets every column to its width in twips, or wider where the font needs it for the head or
  // for a cell of the first, the last or a sample of the rows between, so that no text is cut.
  void SetColumnWidths(const std::function<int32_t(int col)>& twips);

 signals:
  void SelectAllRequested();
  void CopyRequested();

 protected:
  // A grid whose menu items depend on where the click was adjusts them here first.
  virtual void ShowMenu(bool onHeads, const QPoint& globalPos);
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int TextWidth(int col) const;

  QMenu* menu_;
};

}  // namespace wl
