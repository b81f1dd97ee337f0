#pragma once
// The program's windows over a private settings file with scripted prompts, and the moves a user
// makes on the main window.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "app/gui/gui_app.h"
#include "mainwin/main_window.h"
#include "mainwin/track_table_view.h"
#include "session/track_session.h"
#include "settings/settings_store.h"
#include "support/scripted_ui_prompts.h"
#include "widgets/read_only_grid.h"

namespace wl::test {

std::string SamplePath(const std::string& name);
// The cases of a data file in tests/gui/cases: one a line, its fields split at "|" and trimmed;
// empty lines and lines that start with "#" are notes.
QList<QStringList> Cases(const char* name);

// The named child; the test stops when there is none.
template <class T = QWidget>
T* Child(const QObject* parent, const char* name) {
  T* w = parent->findChild<T*>(name);
  if (!w) qFatal("no widget %s", name);
  return w;
}

// Right-clicks the grid's cells (or its heads) and triggers an item of the menu that opens; true
// when the menu opened and left the selection as it was.
bool TriggerGridMenu(ReadOnlyGrid* grid, const char* action, bool onHeads = false);
void RightClickHead(QTableView* grid, int col);
// Whether a button's, option's or label's caption shows whole in its place, by its font's metrics.
bool CaptionWhole(const QWidget* control);
// Whether every head, and every cell of the row, shows whole in its column, by the font's metrics.
bool RowWhole(const QTableView* grid, int row);
// Replaces the box's text key by key, then leaves it with Tab unless told to stay.
void Type(QLineEdit* box, const QString& text, bool leave = true);
// Runs `act` on the modal window the next step opens, once that window is up.
void OnNextModal(std::function<void(QWidget*)> act);

// A session without windows on a fresh settings file, with scripted prompts.
struct SessionFixture {
  std::string Stored(const char* key) const { return SettingsStore(path).Get("Settings", key, "none"); }

  QTemporaryDir dir;
  std::string path = dir.filePath("Wakeline.ini").toStdString();
  SettingsStore store{path};
  ScriptedUiPrompts prompts;
  TrackSession session{store, prompts, {20000, 15000, false}};
};

// Records each new text a label was painted with.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label_->text())) texts << label_->text();
    return false;
  }
  QStringList texts;

 private:
  QLabel* label_;
};

class WindowHarness {
 public:
  WindowHarness() { Restart(); }

  MainWindow& window() { return app_->Main(); }
  TrackSession& session() { return app_->Session(); }
  void Restart();  // a new program on the same settings file, as at the next start
  void ShowActive();

  template <class T>
  T* Find(const char* name) { return Child<T>(&window(), name); }
  TrackTableView* Grid() { return Find<TrackTableView>("MSFGTrack"); }
  QAction* EditAction(const char* name) { return Grid()->PopupMenu()->findChild<QAction*>(name); }
  std::string Stored(const char* section, const char* key) { return SettingsStore(path_).Get(section, key, "none"); }

  void Click(const char* widget) { QTest::mouseClick(Find<QWidget>(widget), Qt::LeftButton); }
  void Open(const std::string& file);  // scripts the file dialog and clicks "Open Inputfile"

  int Rows() { return Grid()->model()->rowCount(); }
  QString Cell(int row, int col) { return Grid()->model()->index(row, col).data().toString(); }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton);
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Grid(), key, modifiers); }

  ScriptedUiPrompts prompts;

 private:
  QTemporaryDir dir_;
  std::string path_ = dir_.filePath("Wakeline.ini").toStdString();
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<GuiApp> app_;
};

}  // namespace wl::test
