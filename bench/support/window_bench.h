#pragma once
// What the benchmarks of the windows share: prompts that show nothing, and a main that runs the
// benchmarks offscreen with the application running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdint>
#include <optional>
#include <string>

#include "track/ui_prompts.h"

namespace wl::bench {

// Answers Yes, never stops a long run, gives 10 for a whole number (thinning to 10 s), chooses
// `file` in every file dialog and no folder; shows nothing.
class QuietUiPrompts : public UiPrompts {
 public:
  std::string file;
  void ShowMessage(const std::string&, Icon) override {}
  bool AskYesNo(const std::string&, Icon, bool) override { return true; }
  bool AskToStop(const std::string&, Icon) override { return false; }
  std::optional<std::string> AskWholeNumber(const std::string&, int32_t) override { return "10"; }
  std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& r) override {
    return FileDialogChoice{file, r.filterIndex};
  }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
};

// Makes the fixture once the application runs, then runs the benchmarks.
template <class Fixture>
int RunWindowBenchmarks(int argc, char** argv, Fixture*& fixture) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fixture made;
  fixture = &made;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace wl::bench
