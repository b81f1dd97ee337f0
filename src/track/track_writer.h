#pragma once
// writetrackfile: writes the held points as TRC records or TRT lines, atomically.
#include <cstdint>
#include <functional>
#include <string>

#include "track/prompts.h"
#include "track/track_store.h"

namespace wl {

// Which points to write: empty = all ("Output all waypoints"); otherwise the points for which it
// returns true (the tack points of "Output track waypoints only").
using PointFilter = std::function<bool(int32_t index)>;

// Returns true when the file was written completely. A refused save (a TRC track to a name that
// does not end in ".trc"), a track of no known kind, or any I/O failure returns false; a failure
// leaves any old file untouched and shows a message naming the file and the reason.
bool writetrackfile(TrackStore& store, const std::string& fileName, const PointFilter& keep, Prompts& prompts);

// Encodes one point as its 30-byte TRC record.
void EncodeTrcRecord(const TrackRec& r, unsigned char out[kTrcRecordSize]);
void DecodeTrcRecord(const unsigned char in[kTrcRecordSize], TrackRec& r);

}  // namespace wl
