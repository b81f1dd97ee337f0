#include "cli_command.h"

#include <algorithm>
#include <cstdio>

namespace wl::cli {

static std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}

CliRegistrar::CliRegistrar(const CliCommand& command) {
  auto& commands = Registry();
  auto at = std::lower_bound(commands.begin(), commands.end(), command, [](const CliCommand& a, const CliCommand& b) {
    return std::string_view(a.name) < std::string_view(b.name);
  });
  commands.insert(at, command);
}

const std::vector<CliCommand>& CliCommands() { return Registry(); }

const CliCommand* FindCliCommand(std::string_view name) {
  for (const auto& c : Registry())
    if (name == c.name) return &c;
  return nullptr;
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "wakeline: %s\n", message.c_str());
  return kExitUsage;
}

bool TakeFlag(std::vector<std::string>& args, std::string_view flag) {
  auto end = std::remove(args.begin(), args.end(), flag);
  bool found = end != args.end();
  args.erase(end, args.end());
  return found;
}

int ExpectPositionals(const std::vector<std::string>& args, size_t count, const CliCommand& command) {
  for (const auto& a : args)
    if (a.size() > 2 && a.compare(0, 2, "--") == 0)
      return UsageError(std::string(command.name) + ": unknown option " + a);
  if (args.size() != count)
    return UsageError(std::string(command.name) + ": expected " + std::to_string(count) + " argument" +
                      (count == 1 ? "" : "s") + ", got " + std::to_string(args.size()) + " (see wakeline-cli " +
                      command.name + " --help)");
  return kExitOk;
}

}  // namespace wl::cli
