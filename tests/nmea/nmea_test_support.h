#pragma once
// Doubles for the sender's collaborators.
#include <deque>
#include <string>
#include <vector>

#include "nmea/nmea_output.h"
#include "nmea/uniform_random.h"

namespace wl::test {

class CaptureOutput : public NmeaOutput {
 public:
  bool IsOpen() const override { return open; }
  bool Open(std::string&) override {
    ++opens;
    return open = true;
  }
  void Close() override { open = false; }
  bool Send(std::string_view bytes, std::string& error) override {
    if (failAfter >= 0 && static_cast<int>(writes.size()) >= failAfter) {
      error = "write failed";
      return false;
    }
    writes.emplace_back(bytes);
    return true;
  }
  std::string All() const {
    std::string s;
    for (const auto& w : writes) s += w;
    return s;
  }
  bool open = false;
  int opens = 0;
  int failAfter = -1;  // refuse writes from this count on
  std::vector<std::string> writes;
};

// Hands out a fixed list of numbers, then 0.5.
class ScriptedRandom : public UniformRandom {
 public:
  double Next() override {
    ++draws;
    if (values.empty()) return 0.5;
    const double v = values.front();
    values.pop_front();
    return v;
  }
  std::deque<double> values;
  int draws = 0;
};

}  // namespace wl::test
