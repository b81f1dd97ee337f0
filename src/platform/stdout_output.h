#pragma once
// Standard output as a sentence sink.
#include "nmea/nmea_output.h"

namespace wl {

class StdoutOutput : public NmeaOutput {
 public:
  bool IsOpen() const override { return true; }
  bool Open(std::string&) override { return true; }
  void Close() override {}
  bool Send(std::string_view bytes, std::string& error) override;
};

}  // namespace wl
