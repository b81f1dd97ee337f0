#pragma once
// The file and edit commands of the main window once the user has chosen a file or rows: the
// desktop program and the command line run the same steps, messages and questions.
#include <cstdint>
#include <string>

#include "track/prompts.h"
#include "track/track_reader.h"
#include "track/track_store.h"
#include "track/track_writer.h"

namespace wl {

// What Open and Insert file did to the store.
enum class LoadOutcome {
  Untouched,  // refused, declined, or the file could not be opened: store and state as before
  Refused,    // the reader ran but the capacity refused its points (state values may have changed)
  Inserted,
};

// Refuses (with "<file> is not a .trc or .trt track file") a name of neither track kind.
bool IsTrackFileName(const std::string& fileName, Prompts& prompts);

// Open: empties the store and reads the file; DataChanged is cleared once the reader ran. A name
// of no track kind, or a file that cannot be opened, leaves the current track as it was.
LoadOutcome OpenTrackFile(TrackStore& store, TrackBlock& scratch, const std::string& fileName,
                          const ReaderSettings& settings, Prompts& prompts);

// Insert file after the point with index `after`: the file must be of the track's kind, then the
// user confirms. DataChanged is set when points were inserted.
LoadOutcome InsertTrackFile(TrackStore& store, TrackBlock& scratch, const std::string& fileName, int32_t after,
                            const ReaderSettings& settings, Prompts& prompts);

std::string InsertQuestion(int32_t after);
std::string DeleteQuestion(int32_t first, int32_t num);

// Delete track points: num points from index first, once the user confirms. A range outside the
// held points (an empty track included) asks nothing and changes nothing. Sets DataChanged.
bool DeleteTrackPoints(TrackStore& store, int32_t first, int32_t num, Prompts& prompts);

// Save: a track of no points is refused; an existing file is replaced only when the user
// confirms. Returns whether the file was written; only then is DataChanged cleared (a refused or
// failed write keeps the input name too).
bool SaveTrackFile(TrackStore& store, const std::string& fileName, const PointFilter& keep, Prompts& prompts);

}  // namespace wl
