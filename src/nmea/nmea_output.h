#pragma once
// Where the sentences go: a serial port, a network socket, stdout or a test's buffer.
#include <string>
#include <string_view>

namespace wl {

class NmeaOutput {
 public:
  virtual ~NmeaOutput() = default;
  virtual bool IsOpen() const = 0;
  // On failure, error names the device and the reason.
  virtual bool Open(std::string& error) = 0;
  virtual void Close() = 0;
  // Writes bytes as they are, in order; on failure error names the device and the reason.
  virtual bool Send(std::string_view bytes, std::string& error) = 0;
};

}  // namespace wl
