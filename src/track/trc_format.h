#pragma once
// TRC files: 30-byte little-endian records, no header. The record codec itself is declared in
// track/track_writer.h.
#include <cstdint>
#include <string_view>

#include "track/track_store.h"

namespace wl {

// Bytes needed to tell whether a file holds more records than the store can take.
inline constexpr size_t kTrcBytesNeeded = static_cast<size_t>(kTrackCapacity + 1) * kTrcRecordSize;

struct TrcParse {
  int32_t points = 0;
  bool truncated = false;  // more than kTrackCapacity complete records
};

// Decodes the complete records of a file's bytes into block (its text is cleared); a trailing
// partial record is ignored.
TrcParse ParseTrcBytes(std::string_view bytes, TrackBlock& block);

}  // namespace wl
