#pragma once
// Subcommands of wakeline-cli. Each cmd_*.cpp registers itself with a static CliRegistrar, so a new
// subcommand is one new file in this folder.
#include <string>
#include <string_view>
#include <vector>

namespace wl::cli {

struct CliCommand {
  const char* name;
  // First line: the synopsis shown by "wakeline-cli --help" ("info FILE [track options]"; the
  // program name is put in front when missing); further lines explain. A usage that mentions
  // "[track options]" gets the shared track options appended when printed.
  const char* usage;
  // Arguments after the command name; the command removes what it has taken. Returns the exit code.
  int (*run)(std::vector<std::string>& args);
};

struct CliRegistrar {
  explicit CliRegistrar(const CliCommand& command);
};

// Every registered command, sorted by name.
const std::vector<CliCommand>& CliCommands();
const CliCommand* FindCliCommand(std::string_view name);

// Exit codes shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// Prints "wakeline: " + message on stderr and returns kExitUsage.
int UsageError(const std::string& message);

// Removes every occurrence of flag from args; returns whether there was one.
bool TakeFlag(std::vector<std::string>& args, std::string_view flag);

// After a command has taken its options: refuses any remaining "--" option and any count of
// positional arguments other than count. Returns kExitOk or the usage error's code.
int ExpectPositionals(const std::vector<std::string>& args, size_t count, const CliCommand& command);

}  // namespace wl::cli
