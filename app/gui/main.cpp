// wakeline: the desktop program.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "mainwin/app_title.h"
#include "mainwin/command_line.h"
#include "mainwin/main_window.h"
#include "mainwin/qt_prompts.h"
#include "settings/settings_store.h"

int main(int argc, char* argv[]) {
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
  wl::MainWindow window(settings, prompts, command.repairHeading);
  window.show();
  if (!command.file.empty()) window.OpenFile(command.file);
  return QApplication::exec();
}
