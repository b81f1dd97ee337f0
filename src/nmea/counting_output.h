#pragma once
// An output that takes every sentence and only counts its bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "nmea/nmea_output.h"

namespace wl {

class CountingOutput : public NmeaOutput {
 public:
  bool IsOpen() const override { return true; }
  bool Open(std::string&) override { return true; }
  void Close() override {}
  bool Send(std::string_view bytes, std::string&) override {
    bytes_ += bytes.size();
    return true;
  }
  size_t Bytes() const { return bytes_; }

 private:
  size_t bytes_ = 0;
};

}  // namespace wl
