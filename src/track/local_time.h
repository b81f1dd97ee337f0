#pragma once
// Logger clock time ("CT") to UTC, with the once-per-file summertime plausibility notice.
#include <cstdint>
#include <string_view>

#include "track/prompts.h"

namespace wl {

struct TimeOffsetSetting {
  std::string_view timeOffset = "02:00:00";  // text of the "Difference CT - UTC" box
  bool minus = false;                        // the "minus" check box
};

// "H:MM" or "H:MM:SS" (one or two digits each, blanks around), a time of day: its seconds.
bool ParseTimeOfDay(std::string_view text, int64_t& seconds);

// The offset text as a day count ((h*3600 + m*60 + s) / 86400); 0 for an unreadable text.
double TimeOffsetDays(std::string_view hhmmss);

// Reads field 0 of a TRT point line ("YYYYMMDD HH:MM:SS" [CT]). Returns false (and 0) when the
// text holds no valid date and time.
bool ParseTrtTime(std::string_view field, double& days);

// Converts field 0 to a UTC day count. isTRT selects whether an offset applies at all;
// ctNoticeDone is the store's flag for the current file.
double CTToUTC(std::string_view field, bool isTRT, const TimeOffsetSetting& offset, bool& ctNoticeDone,
               Prompts& prompts);

}  // namespace wl
