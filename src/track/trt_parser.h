#pragma once
// TRT files: text lines of comma-separated fields, and "/*" comment lines.
#include <cstdint>
#include <string>
#include <string_view>

#include "track/prompts.h"
#include "track/track_reader.h"
#include "track/track_store.h"

namespace wl {

struct TrtParse {
  int32_t points = 0;
  int32_t skipped = 0;      // point lines that could not be read (empty lines not counted)
  bool truncated = false;   // kTrackCapacity points were read and a further line remained
};

// Reads a whole TRT text into block (its text is cleared first). Comment lines are added to
// comments; the first CT time of the text may show the summertime notice through prompts.
TrtParse ParseTrtText(std::string_view text, const ReaderSettings& settings, TrackBlock& block,
                      std::string& comments, bool& ctNoticeDone, Prompts& prompts);

}  // namespace wl
