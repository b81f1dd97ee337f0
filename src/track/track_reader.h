#pragma once
// readtrackfile: reads a TRC or TRT file into a block and inserts it into the store.
#include <cstdint>
#include <string>
#include <string_view>

#include "track/local_time.h"
#include "track/prompts.h"
#include "track/track_store.h"

namespace wl {

struct ReaderSettings {
  std::string_view defaultDeviation = "-1.2";  // text of "Deviation if none in file"
  bool useTrueHeading = false;                 // "Display True Heading for trt files"
  TimeOffsetSetting timeOffset;
  bool repairHeading = false;                  // the command-line heading repair mode
};

enum class ReadOutcome {
  NotATrackFile,  // neither .trc nor .trt: nothing read, state untouched
  CannotOpen,     // message shown, store and state untouched
  Refused,        // the insertion would exceed the capacity (message shown)
  Inserted,
};

struct ReadResult {
  ReadOutcome outcome = ReadOutcome::NotATrackFile;
  int32_t points = 0;        // points read from the file
  int32_t skippedLines = 0;  // TRT point lines that could not be read
};

// Reads into the scratch block (allocated once by the caller and reused) and inserts at insertPos.
ReadResult readtrackfile(TrackStore& store, TrackBlock& scratch, const std::string& fileName, int32_t insertPos,
                         const ReaderSettings& settings, Prompts& prompts);

// The heading repair of the command-line mode.
float HDGcorrect(float hdg, float cog);

// The text after the last folder separator ("/" or "\").
std::string_view FileNamePart(std::string_view path);
// The last n characters, ASCII lower-cased.
std::string LowerTail(std::string_view s, size_t n);
// Whether the name ends in .trc or .trt, in any case: the only files the reader reads.
bool HasTrackExtension(std::string_view fileName);

}  // namespace wl
