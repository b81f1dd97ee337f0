#pragma once
// Replacing a file all at once: the bytes go to a hidden temporary file beside the target, which is
// flushed to disk and renamed over it, so that a reader never sees a half-written file and a
// failure leaves the old one as it was.
#include <string>
#include <string_view>

namespace wl {

// Writes bytes as the file at path. A symbolic link is written through: the file it points to
// (created when missing) is replaced and the link stays. A replaced file keeps its mode; a new one
// gets what the umask allows. Returns false with the system's reason on failure, after removing
// the temporary file; the target is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);

}  // namespace wl
