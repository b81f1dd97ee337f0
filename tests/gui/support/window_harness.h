#pragma once
// A main window on a private settings folder with scripted prompts, and the moves a user makes
// on it: clicks on named widgets, rows and heads.
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

class WindowHarness {
 public:
  // XDG_CONFIG_HOME points at a fresh folder for the harness's lifetime.
  WindowHarness();
  ~WindowHarness();

  MainWindow& window() { return *window_; }
  // A new window on the same settings, as at the next start of the program.
  void Restart();
  // Shown and active, so that focus and keys behave as on a desktop.
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

  void Click(const char* widget);
  // Scripts the file dialog and clicks "Open Inputfile".
  void Open(const std::string& file);
  // Scripts the file dialog and clicks "Save".
  void Save(const std::string& file);

  int Rows();
  QString Cell(int row, int col);
  QString Head(int col);
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void RightClickRow(int row);
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
