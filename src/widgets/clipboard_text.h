#pragma once
// Text for the clipboard; the clipboard is cleared first so nothing of an earlier copy stays.
#include <string>

namespace wl {

void SetClipboardText(const std::string& text);

}  // namespace wl
