// wakeline: the desktop program.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/gui/command_line.h"
#include "app/gui/gui_app.h"
#include "mainwin/main_window.h"
#include "session/track_session.h"
#include "settings/settings_store.h"
#include "track/pending_temp_files.h"
#include "widgets/app_title.h"
#include "widgets/qt_prompts.h"

int main(int argc, char* argv[]) {
  wl::RemoveTempFilesOnSignals();
  QApplication app(argc, argv);
  QApplication::setApplicationName(wl::kAppTitle);
  QApplication::setApplicationVersion(WAKELINE_VERSION);

  std::vector<std::string> args;
  for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
  const wl::GuiCommandLine command = wl::ParseGuiCommandLine(args);
  if (command.help) {
    std::fputs(wl::GuiUsage(), stdout);
    return 0;
  }
  if (!command.error.empty()) {
    std::fprintf(stderr, "wakeline: %s\n%s", command.error.c_str(), wl::GuiUsage());
    return 2;
  }

  wl::SettingsStore settings(wl::SettingsStore::DefaultPath());
  wl::QtPrompts prompts;
  wl::GuiApp gui(settings, prompts, command.repairHeading);
  gui.Main().show();
  if (!command.file.empty()) gui.Session().OpenFile(command.file);
  return QApplication::exec();
}
