#pragma once
// A main window on a private settings folder with scripted prompts, and the moves a user makes on it.
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "mainwin/main_window.h"
#include "mainwin/track_table_view.h"
#include "settings/settings_store.h"
#include "support/scripted_ui_prompts.h"

namespace wl::test {

std::string SamplePath(const std::string& name);

// Records each new text a label was painted with.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label_->text()))
      texts.push_back(label_->text());
    return false;
  }
  QStringList texts;

 private:
  QLabel* label_;
};

class WindowHarness {
 public:
  WindowHarness();  // XDG_CONFIG_HOME points at a fresh folder for the harness's lifetime
  ~WindowHarness();

  MainWindow& window() { return *window_; }
  void Restart();  // a new window on the same settings, as at the next start
  void ShowActive();

  template <class T>
  T* Find(const char* name) {
    T* w = window_->findChild<T*>(name);
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  TrackTableView* Grid() { return Find<TrackTableView>("MSFGTrack"); }
  QMenu* EditMenu() { return Find<QMenu>("mnuTRCEdit"); }
  QAction* EditAction(const char* name);
  bool Changed() { return window_->Store().DataChanged; }

  void Click(const char* widget);
  void Open(const std::string& file);  // scripts the file dialog and clicks "Open Inputfile"
  void Save(const std::string& file);  // scripts the file dialog and clicks "Save"

  int Rows();
  QString Cell(int row, int col);
  QString Head(int col);
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton);
  void RightClickRow(int row) { ClickRow(row, Qt::NoModifier, Qt::RightButton); }
  void RightClickHead(int col);
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void CloseMenus();

  std::string ConfigFile() const;
  ScriptedUiPrompts prompts;

 private:
  QTemporaryDir configDir_;
  QByteArray oldConfigHome_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace wl::test
