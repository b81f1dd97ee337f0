// The folder listing over 200 TRT files of 2000 points each, with CT clock times (the reader's
// slowest path): in process, and as a whole wakeline-cli run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "folderlist/folder_listing.h"
#include "settings/settings_values.h"
#include "support/bench_tracks.h"

namespace {

constexpr int kFiles = 200;
constexpr int kPoints = 2000;

// The shared bench tracks are full-size; these are a tenth of that, one file per race.
// A zig-zag upwind with every field filled, one point every 2 s, in clock time UTC + 2 h.
void WriteTrack(const std::string& path, int seed) {
  std::string text = "/* generated race " + std::to_string(seed) + "\r\n";
  char line[256];
  double lat = 46.2 + seed * 0.001, lon = 6.15;
  for (int i = 0; i < kPoints; ++i) {
    const int secs = 10 * 3600 + i * 2;
    const bool port = (i / 100) % 2 == 0;
    lat += 0.00002;
    lon += port ? 0.00002 : -0.00002;
    std::snprintf(line, sizeof line,
                  "20080711 %02d:%02d:%02d CT,%.6f,%.6f,%.2f,%.5f,0,0,%.1f,%.5f,%.5f,%.5f,%.2f,%.2f,0,%.5f,%.2f\r\n",
                  secs / 3600 + 2, secs / 60 % 60, secs % 60, lat, lon, 5.5 + (i % 7) * 0.1, port ? 0.7854 : 5.4978,
                  12.0 + (i % 5), port ? 0.7854 : 5.4978, port ? 0.5236 : 5.7596, 3.1416, 7.5, 9.0,
                  port ? 0.7 : 5.5, 5.2);
    text += line;
  }
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

class BenchFolder {
 public:
  BenchFolder() : path_(std::filesystem::temp_directory_path() / ("wakeline-list-bench-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
    for (int i = 0; i < kFiles; ++i) WriteTrack((path_ / ("race" + std::to_string(i) + ".trt")).string(), i);
  }
  ~BenchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

void BM_FolderListing(benchmark::State& state) {
  const std::string folder = Folder().path();
  const wl::SettingsValues settings;
  wl::FolderListing listing;
  wl::bench::SilentPrompts prompts;
  for (auto _ : state) {
    listing.ShowList(folder, wl::ListType::Both, settings.Reader(false), prompts);
    benchmark::DoNotOptimize(listing.Rows().data());
  }
  if (listing.Rows().size() != kFiles) state.SkipWithError("unexpected listing");
}
BENCHMARK(BM_FolderListing)->Unit(benchmark::kMillisecond);

void BM_CliList(benchmark::State& state) {
  const std::string command = std::string(WAKELINE_CLI) + " list '" + Folder().path() + "' > /dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("wakeline-cli list failed");
}
BENCHMARK(BM_CliList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
