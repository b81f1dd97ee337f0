#include "plot/nearest_point.h"

#include "nav/geodesy.h"
#include "plot/plot_scaling.h"

namespace wl {

int32_t NearestPoint(const ProcessedTrack& track, double x, double y) {
  const PosRec p{ToPositionUnit(y), ToPositionUnit(x)};
  double best = 999999999999.0;
  int32_t nearest = 0;
  for (int32_t i = 0; i < track.count; ++i) {
    const double d = GetDist(p, track.ProcRecs[static_cast<size_t>(i)].Pos);
    if (d < best) {
      best = d;
      nearest = i;
    }
  }
  return nearest;
}

}  // namespace wl
