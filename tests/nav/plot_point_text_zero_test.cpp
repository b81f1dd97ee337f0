// The tack text's turn and next course of 0 are shown as 0, not left blank.
#include <gtest/gtest.h>

#include "nav/plot_point_text.h"
#include "track_builder.h"

namespace wl::test {
namespace {

TEST(PlotPointTextZero, NoTurnAndANextLegDueNorthShowZero) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Steps(4, 100, 0).Steps(3, 100, 0);
  Processed p = Process(b.store(), "0");
  p.SetFlags({4, 7}, kTackPoint);
  const std::string text = PlotPointText(*p.track, 4, kShowTextAll, true);
  EXPECT_EQ(text.substr(text.rfind('\n') + 1), "tack Angle: 0 Next tackCOG: 0 ");
}

}  // namespace
}  // namespace wl::test
