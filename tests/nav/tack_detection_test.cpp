#include "nav/tack_detection.h"

#include <gtest/gtest.h>

#include "track_builder.h"

namespace wl::test {
namespace {

std::vector<int32_t> TackPoints(const TrackStore& store) {
  const Processed p = Process(store);
  std::vector<int32_t> points;
  for (int32_t i = 0; i + 1 < p.track->count; ++i)
    if (p.Flag(i) == kTackPoint) points.push_back(i);
  return points;
}

// Leg courses set by hand at one spot, so that the course made good (between equal positions) is 0.
TEST(CheckNewTack, TurnsOfExactlyTheTackAngleAreNotTacksAndTheSearchStartsAfterTheLastMark) {
  for (auto [before, after, tack] : {std::tuple{30.0f, 0.0f, false}, {30.0001f, 0.0f, true}, {340.0f, 10.0f, false},
                                     {339.9f, 10.0f, true}, {0.0f, 330.0f, false}, {0.0f, 329.9f, true}}) {
    ProcessedTrack t;
    t.ProcRecs[4].uiCOG = before;
    t.ProcRecs[5].uiCOG = after;
    EXPECT_EQ(CheckNewTack(5, t, 30), tack) << before << " " << after;
    EXPECT_EQ(t.LastTackPoint, tack ? 4 : 0);
  }
  // The search starts three points after the last mark.
  ProcessedTrack t;
  t.ProcRecs[5].uiCOG = 90;
  for (auto [last, tack] : {std::pair{2, false}, {1, true}}) {
    t.LastTackPoint = static_cast<int16_t>(last);
    EXPECT_EQ(CheckNewTack(5, t, 30), tack) << last;
  }
  EXPECT_FALSE(CheckNewTack(5, t, 0));  // detection off
}

// A sharp turn is marked by the processing test; the search's start by CheckNewTack's.
TEST(TackDetection, SlowTurnsByTheCourseMadeGoodAndOutliersHideTurns) {
  // Ten degrees a leg: the course made good since point 0 first falls 35 degrees behind at point 10.
  TrackBuilder slow;
  slow.At(0, 0, kNoon).Legs(5, 90, kStep);
  for (int k = 1; k <= 9; ++k) slow.Legs(1, 90 - 10 * k, kStep);
  EXPECT_EQ(TackPoints(slow.store()), std::vector<int32_t>{9});
  // An outlier (a leg of no time) at point 6 hides the turn at point 7.
  for (const bool outlier : {false, true}) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(5, 90, kStep).Legs(1, 90, kStep, outlier ? 0 : kMinute).Legs(1, 90, kStep).Legs(8, 0, kStep);
    EXPECT_EQ(TackPoints(b.store()), outlier ? std::vector<int32_t>{} : std::vector<int32_t>{7});
  }
}

}  // namespace
}  // namespace wl::test
