#pragma once
// Synthetic full-size tracks for the benchmarks: 20001 points of a zig-zag beat, two seconds apart.
#include <filesystem>
#include <memory>
#include <string>

#include "track/prompts.h"
#include "track/track_store.h"

namespace wl::bench {

inline constexpr int kBenchPoints = 20001;

using wl::SilentPrompts;

// A folder under the system temp folder holding the benchmark files, removed with the object.
class BenchFiles {
 public:
  BenchFiles();
  ~BenchFiles();
  BenchFiles(const BenchFiles&) = delete;
  BenchFiles& operator=(const BenchFiles&) = delete;

  std::string trc;    // 20001 TRC records
  std::string trtCT;  // 20001 TRT point lines, times in clock time marked " CT" (summer, UTC + 2 h)

 private:
  std::filesystem::path folder_;
};

// Point i of the synthetic track (positions, course, speed, UTC time, depth, wind).
TrackRec BenchPoint(int i);
// A store holding the 20001 points as a TRC track.
std::unique_ptr<TrackStore> MakeBenchStore();

}  // namespace wl::bench
