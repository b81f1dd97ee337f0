#include "support/bench_tracks.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "nav/geodesy.h"
#include "track/date_format.h"
#include "track/real48.h"
#include "track/track_writer.h"

namespace wl::bench {

namespace {

constexpr int kLegPoints = 50;      // a tack every 100 s
constexpr double kStepSeconds = 2;
constexpr double kKnots = 6.0;
const double kStart = static_cast<double>(DaysFromCivil(2008, 7, 11)) + 8.0 / 24.0;  // 08:00 UTC

double CourseOf(int i) { return (i / kLegPoints) % 2 == 0 ? 45.0 : 315.0; }

}  // namespace

TrackRec BenchPoint(int i) {
  // Beating north: each leg runs 50 steps, one to the north-east, the next to the north-west.
  const double step = kKnots * 1852.0 / 3600.0 * kStepSeconds / 1852.0 * 60000.0 / 60.0;  // 1/60000 degree
  const int inLeg = i % kLegPoints;
  const double north = i * step * std::cos(kPi / 4);
  const double east = ((i / kLegPoints) % 2 == 0 ? inLeg : kLegPoints - inLeg) * step * std::sin(kPi / 4);
  TrackRec r;
  r.Pos.Lat = static_cast<int32_t>(std::lround(46.2 * 60000 + north));
  r.Pos.Lon = static_cast<int32_t>(std::lround(6.15 * 60000 + east / std::cos(46.2 * kPi / 180)));
  r.COG = static_cast<int16_t>(CourseOf(i) * 10);
  r.SOG = static_cast<float>(kKnots + 0.1 * (i % 7));
  r.SOGReal = DblToReal48(r.SOG);
  r.Time = kStart + i * kStepSeconds / 86400.0;
  r.Depth = static_cast<int16_t>(120 + i % 40);
  r.TWS = 12.5f;
  r.TWA = CourseOf(i) == 45.0 ? -45.0f : 45.0f;
  r.TWD = static_cast<float>(CourseOf(i) + r.TWA);
  r.AWS = 16.2f;
  r.AWA = r.TWA * 0.7f;
  r.HDG = static_cast<float>(CourseOf(i));
  r.WaterS = r.SOG;
  return r;
}

static void WriteTrc(const std::string& path) {
  std::string bytes(static_cast<size_t>(kBenchPoints) * kTrcRecordSize, '\0');
  for (int i = 0; i < kBenchPoints; ++i)
    EncodeTrcRecord(BenchPoint(i), reinterpret_cast<unsigned char*>(&bytes[static_cast<size_t>(i) * kTrcRecordSize]));
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

static void WriteTrtCT(const std::string& path) {
  constexpr double kRad = kPi / 180;
  std::string text = "/* benchmark track, clock time UTC + 2 h */\r\n";
  char line[256];
  for (int i = 0; i < kBenchPoints; ++i) {
    const TrackRec r = BenchPoint(i);
    const std::string when = FormatDate(r.Time + 2.0 / 24.0, "YYYYMMDD HH:MM:SS");
    const double twa = r.TWA < 0 ? r.TWA + 360.0 : r.TWA, awa = r.AWA < 0 ? r.AWA + 360.0 : r.AWA;
    std::snprintf(line, sizeof line, "%s CT,%.6f,%.6f,%.1f,%.5f,0,0,%.1f,%.5f,%.5f,%.5f,%.3f,%.3f,0,%.5f,%.1f\r\n",
                  when.c_str(), r.Pos.Lat / 60000.0, r.Pos.Lon / 60000.0, r.SOG, r.COG / 10.0 * kRad, r.Depth / 10.0,
                  twa * kRad, awa * kRad, r.TWD * kRad, r.TWS * 1854.0 / 3600.0, r.AWS * 1854.0 / 3600.0,
                  r.HDG * kRad, r.WaterS);
    text += line;
  }
  std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

BenchFiles::BenchFiles()
    : folder_(std::filesystem::temp_directory_path() / ("wakeline-bench-" + std::to_string(getpid()))) {
  std::filesystem::create_directories(folder_);
  trc = (folder_ / "bench.trc").string();
  trtCT = (folder_ / "bench_ct.trt").string();
  WriteTrc(trc);
  WriteTrtCT(trtCT);
}

BenchFiles::~BenchFiles() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

std::unique_ptr<TrackStore> MakeBenchStore() {
  auto store = std::make_unique<TrackStore>();
  TrackBlock block;
  for (int i = 0; i < kBenchPoints; ++i) block.recs[static_cast<size_t>(i)] = BenchPoint(i);
  SilentPrompts prompts;
  store->InsertTrackRecs(block, kBenchPoints, 0, "bench.trc", prompts);
  store->IsTRC = true;
  store->TrackFileName = "bench.trc";
  return store;
}

}  // namespace wl::bench
