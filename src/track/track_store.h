#pragma once
// The open track: a fixed-capacity array of points, allocated once, and the track-wide state.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "track/prompts.h"
#include "track/track_rec.h"

namespace wl {

// A block of points with its own text buffer: what the reader fills before inserting.
struct TrackBlock {
  TrackBlock();
  std::vector<TrackRec> recs;  // kTrackCapacity entries, allocated once
  std::string text;            // point lines, referenced by TrackRec::Line
  std::string_view Line(const TrackRec& r) const { return std::string_view(text).substr(r.Line.offset, r.Line.length); }
};

class TrackStore {
 public:
  TrackStore();

  // Points; valid indices are 0..TrackCount-1.
  std::vector<TrackRec> TrackRecs;  // kTrackCapacity entries
  int32_t TrackCount = 0;

  bool IsTRC = false;
  bool IsTRT = false;
  std::string TrackFileName;   // without folder
  std::string InputFileName;   // full name of the last file read or written (the Inputfilenaam label)
  bool DataChanged = false;
  std::string TrackComments;
  bool TrueHeading = false;
  bool CTNoticeDone = false;

  std::string_view Line(int32_t i) const;

  // Inserts block entries 0..newCount-1 at insertPos. Refuses (with its message) when the result
  // would exceed the capacity; returns whether it inserted.
  bool InsertTrackRecs(const TrackBlock& block, int32_t newCount, int32_t insertPos,
                       const std::string& fileName, Prompts& prompts);
  // Removes num points starting at table row pos (index pos - 1).
  void DeleteTrackRecs(int32_t pos, int32_t num);
  // Keeps the points whose entry in keep is true (a point without an entry stays) and deletes the
  // others, in one pass. Returns the number deleted.
  int32_t RetainTrackRecs(const std::vector<bool>& keep);
  // Total length in nautical miles.
  float GetCumDist() const;

 private:
  std::string text_;  // point lines of every held point (and dead lines until the next open)
};

}  // namespace wl
