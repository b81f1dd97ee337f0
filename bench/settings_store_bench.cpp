// Loading a settings file of 40000 keys (once a quarter of a minute) and saving one key into it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/settings_store.h"

namespace {

class ManyKeysFile {
 public:
  ManyKeysFile() : path_(std::filesystem::temp_directory_path() / ("wakeline-bench-" + std::to_string(getpid()) + ".ini")) {
    std::ofstream out(path_);
    out << "[Settings]\n";
    for (int i = 0; i < 40000; ++i) out << "Key" << i << "=" << i << "\n";
  }
  ~ManyKeysFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void BM_LoadManyKeys(benchmark::State& state) {
  const ManyKeysFile file;
  for (auto _ : state) {
    wl::SettingsStore store(file.Path());
    benchmark::DoNotOptimize(store.Get("settings", "key39999", ""));
  }
}
BENCHMARK(BM_LoadManyKeys)->Unit(benchmark::kMillisecond);

void BM_SaveIntoManyKeys(benchmark::State& state) {
  const ManyKeysFile file;
  wl::SettingsStore store(file.Path());
  for (auto _ : state)
    if (!store.Save("Settings", "TackAngle", "45")) state.SkipWithError(store.LastError().c_str());
}
BENCHMARK(BM_SaveIntoManyKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
