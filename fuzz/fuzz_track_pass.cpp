// Past the readers: arbitrary TRC bytes or TRT text through the processing pass, every track
// table cell and mark, the tack list and the plot's point texts. The first byte picks the file
// kind, the tack angle and the reader's heading options.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nav/plot_point_text.h"
#include "nav/tack_list.h"
#include "nav/track_processing.h"
#include "nav/track_table.h"
#include "track/trc_format.h"
#include "track/trt_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static wl::TrackBlock block;
  static wl::TrackStore store;
  static wl::ProcessedTrack processed;
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  wl::SilentPrompts prompts;
  const bool trt = (mode & 1) != 0;
  int32_t points = 0;
  if (trt) {
    wl::ReaderSettings settings;
    settings.useTrueHeading = (mode & 2) != 0;
    settings.repairHeading = (mode & 4) != 0;
    std::string comments;
    bool ctNoticeDone = false;
    points = wl::ParseTrtText(bytes, settings, block, comments, ctNoticeDone, prompts).points;
    store.TrueHeading = settings.useTrueHeading;
  } else {
    points = wl::ParseTrcBytes(bytes, block).points;
  }
  store.TrackCount = 0;
  store.IsTRT = trt;
  store.IsTRC = !trt;
  store.InsertTrackRecs(block, points, 0, trt ? "fuzz.trt" : "fuzz.trc", prompts);

  static const char* const kTackAngles[] = {"30", "0", "15", "60"};
  wl::ProcessOptions options;
  options.tackAngle = kTackAngles[(mode >> 3) & 3];
  options.speedScaleFixed = (mode & 32) != 0;
  wl::ProcessTrackRecs(store, processed, options);

  const wl::TrackTable table(processed);
  std::string text;
  for (int32_t row = 0; row < table.RowCount(); ++row) {
    table.AppendRowText(text, row);
    for (int col = 0; col < table.ColumnCount(); ++col) (void)table.Mark(row, col);
    text.clear();
  }
  (void)table.CopyText(1, table.ColumnCount() - 1, 0, 0);

  wl::TackList list = wl::BuildTackList(processed);
  for (const auto& row : list.rows)
    if (row.size() != list.widths.size()) std::abort();
  wl::SelectAll(list);
  (void)wl::TackListCopyText(list);

  for (int32_t c = 0; c < processed.count; ++c)
    (void)wl::PlotPointText(processed, c, wl::kShowTextAll, (mode & 64) != 0);
  return 0;
}
