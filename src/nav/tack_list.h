#pragma once
// The tack list: one row of text cells per tack leg or wait, as the tack list window shows it.
#include <cstdint>
#include <string>
#include <vector>

#include "nav/track_processing.h"

namespace wl {

// Corners of a block of grid cells, either way round.
struct GridSelection {
  int32_t row1 = 0, col1 = 0, row2 = 0, col2 = 0;
};

struct TackList {
  std::vector<int32_t> widths;                 // twips, one per column
  std::vector<std::vector<std::string>> rows;  // row 0 holds the heads; every row has all columns
  std::vector<int32_t> firstPoints;            // per row: the index of its leg's or wait's first point, else -1
  GridSelection selection;                     // the current cell after building: row 0, column 0
};

// Builds the list from the processed track as the last pass left it. While no tack row has
// arrived the grid keeps the empty row a cleared grid starts with.
TackList BuildTackList(const ProcessedTrack& processed);

// Selects every data row; does nothing unless there are more than two rows.
void SelectAll(TackList& list);

// The head line, CR LF, then the selected cells (TAB between cells, CR LF between rows).
std::string TackListCopyText(const TackList& list);

}  // namespace wl
