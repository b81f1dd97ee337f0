#include "support/window_harness.h"

#include <QApplication>
#include <QHeaderView>

namespace wl::test {

std::string SamplePath(const std::string& name) { return std::string(WAKELINE_SOURCE_DIR) + "/data/samples/" + name; }

bool TriggerGridMenu(ReadOnlyGrid* grid, const char* action) {
  const QModelIndexList before = grid->selectionModel()->selectedIndexes();
  QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
  QMenu* menu = grid->PopupMenu();
  const bool shown = menu->isVisible() && grid->selectionModel()->selectedIndexes() == before;
  menu->findChild<QAction*>(action)->trigger();
  menu->hide();
  return shown;
}

void WindowHarness::Restart() {
  app_.reset();
  settings_ = std::make_unique<SettingsStore>(path_);
  app_ = std::make_unique<GuiApp>(*settings_, prompts, false);
}

void WindowHarness::ShowActive() {
  window().show();
  QApplication::setActiveWindow(&window());
  if (!QTest::qWaitForWindowActive(&window())) qFatal("window not active");
}

void WindowHarness::Open(const std::string& file) {
  prompts.ExpectFile("Open first file", file);
  Click("CommandOpenInput");
}

void WindowHarness::Save(const std::string& file) {
  prompts.ExpectFile("Save file", file);
  Click("CommandSave");
}

void WindowHarness::ClickRow(int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
  TrackTableView* grid = Grid();
  grid->scrollTo(grid->model()->index(row, 1));
  QTest::mouseClick(grid->viewport(), button, modifiers, grid->visualRect(grid->model()->index(row, 1)).center());
}

void WindowHarness::RightClickHead(int col) {
  QHeaderView* head = Grid()->horizontalHeader();
  const QPoint at(head->sectionViewportPosition(col) + head->sectionSize(col) / 2, head->height() / 2);
  QTest::mouseClick(head->viewport(), Qt::RightButton, Qt::NoModifier, at);
}

}  // namespace wl::test
