#include "support/window_harness.h"

#include <QApplication>
#include <QHeaderView>

namespace wl::test {

std::string SamplePath(const std::string& name) { return std::string(WAKELINE_SOURCE_DIR) + "/data/samples/" + name; }

WindowHarness::WindowHarness() : oldConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
  qputenv("XDG_CONFIG_HOME", configDir_.path().toUtf8());
  Restart();
}

WindowHarness::~WindowHarness() {
  window_.reset();
  if (oldConfigHome_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
  else qputenv("XDG_CONFIG_HOME", oldConfigHome_);
}

void WindowHarness::Restart() {
  window_.reset();
  settings_ = std::make_unique<SettingsStore>(SettingsStore::DefaultPath());
  window_ = std::make_unique<MainWindow>(*settings_, prompts, false);
}

void WindowHarness::ShowActive() {
  window_->show();
  QApplication::setActiveWindow(window_.get());
  if (!QTest::qWaitForWindowActive(window_.get())) qFatal("window not active");
}

std::string WindowHarness::ConfigFile() const { return settings_->Path(); }

QAction* WindowHarness::EditAction(const char* name) {
  QAction* a = EditMenu()->findChild<QAction*>(name);
  if (!a) qFatal("no action %s", name);
  return a;
}

void WindowHarness::Click(const char* widget) { QTest::mouseClick(Find<QWidget>(widget), Qt::LeftButton); }

void WindowHarness::Open(const std::string& file) {
  prompts.files.push_back(file);
  Click("CommandOpenInput");
}

void WindowHarness::Save(const std::string& file) {
  prompts.files.push_back(file);
  Click("CommandSave");
}

int WindowHarness::Rows() { return Grid()->model()->rowCount(); }

QString WindowHarness::Cell(int row, int col) { return Grid()->model()->index(row, col).data().toString(); }

QString WindowHarness::Head(int col) { return Grid()->model()->headerData(col, Qt::Horizontal).toString(); }

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

void WindowHarness::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(Grid(), key, modifiers); }

void WindowHarness::CloseMenus() {
  for (QMenu* m : window_->findChildren<QMenu*>()) m->hide();
}

}  // namespace wl::test
