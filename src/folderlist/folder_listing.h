#pragma once
// The folder track listing: every track file of one folder with its length and point count,
// the count of files and the total distance.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "track/prompts.h"
#include "track/track_reader.h"
#include "track/track_store.h"

namespace wl {

enum class ListType { TRC, TRT, Both };

struct ListRow {
  std::string name;    // without folder
  float distance = 0;  // nautical miles
  int32_t points = 0;
};

// Whether a file name is of the chosen type: only its last three characters count, ASCII
// lower-cased ("x.ttrc" is a TRC name).
bool MatchesListType(std::string_view name, ListType type);

// The grid's row comparison: the first n characters of both names (n = the shorter length),
// ASCII lower-cased, by character code. 1 when a goes after b, else -1; never 0.
int CompareListNames(std::string_view a, std::string_view b);

// The order the rows are sorted in. It agrees with CompareListNames wherever the compared prefixes
// differ; a name that is (case-insensitively) a prefix of the other comes first. Unlike the grid's
// comparison this is a strict weak ordering, so a stable sort is well defined and names equal but
// for case keep the folder's order.
bool ListNameBefore(std::string_view a, std::string_view b);

// The folder to list first: the stored last file without its last separator ("/" or "\") and the
// name behind it; empty when it holds no separator.
std::string ListFolderFromLastFile(std::string_view lastFile);

// Progress while listing: the whole percent of listed of total, then "%".
std::string ListProgressText(int64_t listed, int64_t total);

// A distance as the listing shows it, not rounded, with the given decimal separator.
std::string DistanceText(float distance, char decimalSeparator);

class FolderListing {
 public:
  // Called as each file has been read; Rows() then holds the files read so far, unsorted.
  using Progress = std::function<void(const std::string& percentText)>;

  FolderListing();

  // Lists the folder (given without a trailing separator). Each file is read into the listing's own
  // store, so the open track is never touched. Reader messages go to prompts. Returns false when
  // the folder cannot be opened (message shown, no rows).
  bool ShowList(const std::string& folder, ListType type, const ReaderSettings& settings, Prompts& prompts,
                const Progress& progress = nullptr);

  // In sorted order.
  const std::vector<ListRow>& Rows() const { return rows_; }
  // Folder + CR LF + "N files, total distance X", or the no-files text; "." in X.
  const std::string& Summary() const { return summary_; }
  // The same with the given decimal separator in X.
  std::string Summary(char decimalSeparator) const;
  float TotalDistance() const { return total_; }

  // The clipboard text of rows first..last (0-based, inclusive); empty when that holds no row.
  std::string CopyText(size_t first, size_t last) const;
  std::string CopyAllText() const;

 private:
  bool CollectNames(const std::string& folder, ListType type, Prompts& prompts);

  TrackStore store_;
  TrackBlock scratch_;
  std::vector<std::string> names_;
  std::vector<ListRow> rows_;
  std::string folder_;
  ListType type_ = ListType::Both;
  float total_ = 0;
  std::string summary_;
};

}  // namespace wl
