// wakeline-cli: the desktop program's track commands without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_command.h"
#include "track/pending_temp_files.h"
#include "track_options.h"

using namespace wl::cli;

static const char kProgram[] = "wakeline-cli ";

// The usage with the program name in front, whether or not the command wrote it.
static std::string FullUsage(const CliCommand& c) {
  std::string usage = c.usage;
  if (usage.rfind(kProgram, 0) != 0) usage.insert(0, kProgram);
  if (usage.back() != '\n') usage += '\n';
  return usage;
}

static void PrintOverview() {
  std::printf("usage: wakeline-cli <command> [arguments]\n\ncommands:\n");
  for (const CliCommand& c : CliCommands()) {
    std::string usage = FullUsage(c);
    std::printf("  %s\n", usage.substr(0, usage.find('\n')).c_str());
  }
  std::printf("\nEvery command takes --help.\n");
}

static void PrintUsage(const CliCommand& c) {
  std::string usage = FullUsage(c);
  std::printf("usage: %s", usage.c_str());
  if (usage.find("[track options]") != std::string::npos) std::printf("\n%s", TrackOptionsHelp());
}

int main(int argc, char** argv) {
  // Ctrl+C or a kill during a save must not leave the temporary file behind.
  wl::RemoveTempFilesOnSignals();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("no command given (see wakeline-cli --help)");
  if (args[0] == "--help") {
    PrintOverview();
    return kExitOk;
  }
  const CliCommand* command = FindCliCommand(args[0]);
  if (!command) return UsageError("unknown command \"" + args[0] + "\" (see wakeline-cli --help)");
  args.erase(args.begin());
  if (TakeFlag(args, "--help")) {
    PrintUsage(*command);
    return kExitOk;
  }
  return command->run(args);
}
