// The TRT parser and the store insertion on arbitrary text. The first byte picks the reader's
// settings so that every heading and time-offset path is reached.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "track/trt_parser.h"
#include "track/track_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static wl::TrackBlock block;
  static wl::TrackStore store;
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  wl::ReaderSettings settings;
  settings.useTrueHeading = (mode & 1) != 0;
  settings.repairHeading = (mode & 2) != 0;
  settings.timeOffset.minus = (mode & 4) != 0;
  if (mode & 8) settings.timeOffset.timeOffset = "01:00:00";
  if (mode & 16) settings.defaultDeviation = "1e308";
  wl::SilentPrompts prompts;
  std::string comments;
  bool ctNoticeDone = false;
  const wl::TrtParse p = wl::ParseTrtText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1),
                                          settings, block, comments, ctNoticeDone, prompts);
  store.TrackCount = 0;
  store.InsertTrackRecs(block, p.points, 0, "fuzz.trt", prompts);
  for (int32_t i = 0; i < store.TrackCount; ++i) (void)store.Line(i);
  return 0;
}
