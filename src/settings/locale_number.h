#pragma once
// Stored settings that the program reads "as a number in the user's locale": the whole text must
// be a number, with the locale's decimal separator.
#include <cstdint>
#include <string_view>

namespace wl {

// Blanks around the number are allowed; anything else that is not part of it makes the text
// unreadable. Non-finite results count as unreadable.
bool ReadLocaleNumber(std::string_view text, double& value);

// A whole number rounded half to even; unreadable text or a value outside lo..hi gives false.
bool ReadLocaleWhole(std::string_view text, int32_t lo, int32_t hi, int32_t& value);

}  // namespace wl
