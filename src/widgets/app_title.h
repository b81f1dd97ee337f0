#pragma once
// The program's title, on every window and message box.
#include <QString>

namespace wl {

inline constexpr char kAppTitle[] = "Wakeline";

// The title, two blanks, "V" and the major, minor and revision numbers: "Wakeline  V1.1.129".
inline QString MainCaption() { return QString(kAppTitle) + "  V" + WAKELINE_VERSION; }

}  // namespace wl
