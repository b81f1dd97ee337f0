#pragma once
// The random source of the simulated instrument values.
#include <cstdint>
#include <random>

namespace wl {

class UniformRandom {
 public:
  virtual ~UniformRandom() = default;
  // A uniform number in [0, 1).
  virtual double Next() = 0;
};

// Repeatable for a given seed on every platform (the standard distributions are not).
class SeededRandom : public UniformRandom {
 public:
  explicit SeededRandom(uint64_t seed) : engine_(seed) {}
  double Next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_;
};

}  // namespace wl
