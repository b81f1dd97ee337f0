#pragma once
// The track table as data: heads, widths, cell texts and cell marks of the processed track. The
// window and the command line only display it; cells are formatted on request.
#include <cstdint>
#include <string>
#include <string_view>

#include "nav/track_processing.h"

namespace wl {

enum class CellMark { None, Red, Yellow };

// Rows are the data rows, 0-based: row r shows point r (the window adds its header row above).
class TrackTable {
 public:
  // Reads processed in place; the table shows whatever its last pass left there.
  explicit TrackTable(const ProcessedTrack& processed);

  // 20 columns for a TRT track, 13 otherwise.
  int ColumnCount() const;
  std::string_view Head(int col) const;
  // Twips, at set-up and after the "Resize Columns" command.
  int32_t SetupWidth(int col) const;
  int32_t ResizedWidth(int col) const;

  // The points, or the one empty row a table without points shows.
  int32_t RowCount() const;
  std::string Cell(int32_t row, int col) const;
  void AppendCell(std::string& out, int32_t row, int col) const;
  // The row's cells joined by TAB, no line end.
  void AppendRowText(std::string& out, int32_t row) const;
  // Red for a speed outlier (columns 1 and 8), yellow for a tack (column 4).
  CellMark Mark(int32_t row, int col) const;

  // The clipboard text of a selected range (corners in any order): the heads of columns 1 to
  // the last joined by TAB, CR LF, then the selected cells (TAB between cells, CR LF between
  // rows, no line end after the last row).
  std::string CopyText(int32_t row1, int col1, int32_t row2, int col2) const;

 private:
  const ProcessedTrack& processed_;
  char decimalSeparator_;
};

}  // namespace wl
