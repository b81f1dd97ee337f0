#include "platform/stdout_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace wl {

bool StdoutOutput::Send(std::string_view bytes, std::string& error) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
  error = std::string("Cannot write to standard output: ") + std::strerror(errno);
  return false;
}

}  // namespace wl
