#pragma once
// The tack angle box: its check when left, and the value the tack detection reads from it.
#include <string>
#include <string_view>

namespace wl {

struct TackAngleCheck {
  bool accepted;     // 0, or 15 to 60 inclusive
  std::string text;  // the value as a plain number, replacing the box's text in every case
};

// Reads the leading number of the text (none reads as 0); decimals stay.
TackAngleCheck CheckTackAngle(std::string_view text);

// "TackAngle must be between 15 and 60" CR LF " or 0 to suppress automatic Tack analysis".
const char* TackAngleMessage();

// The whole number the tack detection works with: the leading number rounded half to even,
// kept within the 32-bit range (non-finite values give 0).
int TackAngleValue(std::string_view text);

}  // namespace wl
