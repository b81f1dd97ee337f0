// wakeline-cli table: the main window's track table after opening a file.
#include <cstdio>
#include <memory>

#include "cli_command.h"
#include "nav/track_processing.h"
#include "nav/track_table.h"
#include "track_options.h"

namespace wl::cli {
namespace {

int RunTable(std::vector<std::string>& args);

constexpr CliCommand kTable{
    "table",
    "wakeline-cli table FILE [track options] [--flags]\n"
    "  Prints the track table as the main window shows it after opening FILE (and applying any\n"
    "  --insert/--delete): the heads, then one line per row, cells separated by TAB.\n"
    "  --flags  adds a column TackFlag: 0 ordinary point, 1 tack point, 2 speed outlier\n",
    RunTable};
const CliRegistrar registrar{kTable};

// The text goes out in blocks of this size through one reused buffer: fewer writes than lines,
// and far less memory touched than the whole table at once.
constexpr size_t kBlockBytes = size_t{1} << 16;

bool Write(const std::string& text) { return std::fwrite(text.data(), 1, text.size(), stdout) == text.size(); }

int RunTable(std::vector<std::string>& args) {
  CliPrompts prompts;
  TrackOptions options;
  const bool flags = TakeFlag(args, "--flags");
  if (int rc = ParseTrackOptions(args, options, prompts)) return rc;
  if (int rc = ExpectPositionals(args, 1, kTable)) return rc;
  auto track = std::make_unique<LoadedTrack>();
  if (int rc = LoadTrack(args[0], options, *track, prompts)) return rc;
  auto processed = ProcessLoadedTrack(*track);

  const TrackTable table(*processed);
  const int columns = table.ColumnCount();
  const int32_t rows = table.RowCount();
  std::string out;
  out.reserve(kBlockBytes + 1024);
  bool written = true;
  for (int col = 0; col < columns; ++col) {
    if (col > 0) out += '\t';
    out += table.Head(col);
  }
  if (flags) out += "\tTackFlag";
  out += '\n';
  for (int32_t row = 0; row < rows; ++row) {
    table.AppendRowText(out, row);
    if (flags) {
      out += '\t';
      if (row < processed->count) out += std::to_string(processed->ProcRecs[static_cast<size_t>(row)].TackFlag);
    }
    out += '\n';
    if (out.size() >= kBlockBytes) {
      written = written && Write(out);
      out.clear();
    }
  }
  written = written && Write(out);
  if (!written || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "wakeline: table: cannot write the output\n");
    return kExitFileError;
  }
  return kExitOk;
}

}  // namespace
}  // namespace wl::cli
