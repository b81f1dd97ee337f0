// wakeline-cli list: the folder track listing.
#include <cstdio>

#include "cli_command.h"
#include "cli_prompts.h"
#include "folderlist/folder_listing.h"
#include "settings/settings_values.h"
#include "track/float_text.h"

namespace wl::cli {

namespace {

int RunList(std::vector<std::string>& args);

constexpr CliCommand kList{
    "list",
    "wakeline-cli list DIR [--type trc|trt|both] [--copy]\n"
    "  Lists the track files of folder DIR with their distance (nautical miles) and points,\n"
    "  sorted by name, then the number of files and the total distance.\n"
    "  --type   which files to list (default both)\n"
    "  --copy   print the text the listing's copy command puts on the clipboard instead\n",
    RunList};
const CliRegistrar kRegistrar(kList);

// Takes "--type VALUE" out of args.
bool TakeType(std::vector<std::string>& args, ListType& type, int& exitCode) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--type") continue;
    const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
    if (value == "trc") {
      type = ListType::TRC;
    } else if (value == "trt") {
      type = ListType::TRT;
    } else if (value == "both") {
      type = ListType::Both;
    } else {
      exitCode = UsageError("list: --type needs trc, trt or both");
      return false;
    }
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    --i;
  }
  return true;
}

int RunList(std::vector<std::string>& args) {
  ListType type = ListType::Both;
  int exitCode = kExitOk;
  if (!TakeType(args, type, exitCode)) return exitCode;
  const bool copy = TakeFlag(args, "--copy");
  if (int rc = ExpectPositionals(args, 1, kList); rc != kExitOk) return rc;

  std::string folder = args[0];
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();

  const SettingsValues settings;  // the defaults, never the user's settings file
  CliPrompts prompts;
  FolderListing listing;
  if (!listing.ShowList(folder, type, settings.Reader(false), prompts)) return kExitFileError;

  if (copy) {
    const std::string text = listing.CopyAllText();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kExitOk;
  }
  std::string table = "name\tdistance\tpoints\n";
  for (const ListRow& row : listing.Rows())
    table.append(row.name).append("\t").append(ShortFloatText(row.distance)).append("\t")
        .append(std::to_string(row.points)).append("\n");
  // The summary's line break is the window's CR LF; here it is a plain line end.
  const std::string_view summary = listing.Summary();
  table.append("\n").append(folder).append("\n").append(summary.substr(folder.size() + 2)).append("\n");
  std::fwrite(table.data(), 1, table.size(), stdout);
  return kExitOk;
}

}  // namespace

}  // namespace wl::cli
