// The TRC decoder and the store insertion on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "track/trc_format.h"
#include "track/track_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static wl::TrackBlock block;
  static wl::TrackStore store;
  wl::SilentPrompts prompts;
  const wl::TrcParse p = wl::ParseTrcBytes(std::string_view(reinterpret_cast<const char*>(data), size), block);
  store.TrackCount = 0;
  store.InsertTrackRecs(block, p.points, 0, "fuzz.trc", prompts);
  return 0;
}
