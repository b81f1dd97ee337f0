#pragma once
// Tracks to plot.
#include "nav/track_builder.h"
#include "plot/recording_surface.h"

namespace wl::test {

// Points one minute apart from (lat, lon) at noon, sailing north-east at about 8.5 kn near 54 N 10 E.
inline std::unique_ptr<ProcessedTrack> PlotTrack(bool trt = false, int points = 10, int32_t lat = 3240000,
                                                 int32_t lon = 600000) {
  TrackBuilder b(trt);
  b.At(lat, lon, kNoon).Steps(points - 1, 100, 100);
  return std::move(Process(b.store(), "0").track);
}

// Twelve such points with a wait over points 4 to 6 (no speed) and a tack point at 9.
inline std::unique_ptr<ProcessedTrack> WaitAndTackTrack() {
  auto t = PlotTrack(false, 12);
  for (size_t i = 4; i <= 6; ++i) t->ProcRecs[i].uiSOG = 0;
  t->ProcRecs[9].TackFlag = kTackPoint;
  return t;
}

}  // namespace wl::test
