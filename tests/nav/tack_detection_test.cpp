#include "nav/tack_detection.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "track_builder.h"

namespace wl::test {
namespace {

std::vector<int32_t> TackPoints(const Processed& p) {
  std::vector<int32_t> points;
  for (int32_t i = 0; i + 1 < p.track->count; ++i)
    if (p.Flag(i) == kTackPoint) points.push_back(i);
  return points;
}

// Leg courses set by hand at one spot, so that the course made good (between equal positions) is 0.
std::unique_ptr<ProcessedTrack> Courses(std::initializer_list<float> courses) {
  auto track = std::make_unique<ProcessedTrack>();
  int32_t i = 0;
  for (float c : courses) track->ProcRecs[static_cast<size_t>(i++)].uiCOG = c;
  return track;
}

TEST(CheckNewTack, TurnsOfExactlyTheTackAngleAreNotTacks) {
  struct Case {
    float before, after;
    bool tack;
  };
  for (const Case c : {Case{30.0f, 0.0f, false}, {30.0001f, 0.0f, true}, {340.0f, 10.0f, false},
                       {339.9f, 10.0f, true}, {0.0f, 330.0f, false}, {0.0f, 329.9f, true}}) {
    auto track = Courses({0, 0, 0, 0, c.before, c.after});
    EXPECT_EQ(CheckNewTack(5, *track, 30), c.tack) << c.before << " " << c.after;
    EXPECT_EQ(track->LastTackPoint, c.tack ? 4 : 0);
  }
}

TEST(TackDetection, TurnPointsOfSharpSlowAndDoubleTurns) {
  TrackBuilder sharp;
  sharp.At(0, 0, kNoon).Legs(9, 90, kStep).Legs(10, 0, kStep);
  const Processed p = Process(sharp.store());
  EXPECT_EQ(TackPoints(p), std::vector<int32_t>{9});
  EXPECT_EQ(p.Flag(19), kTackPoint);  // the last point closes the last leg
  for (int32_t i = 0; i < 20; ++i) EXPECT_EQ(p.Leg(i).yellow, i == 10) << i;

  // Ten degrees a leg: the course made good since point 0 first falls 35 degrees behind at point 10.
  TrackBuilder slow;
  slow.At(0, 0, kNoon).Legs(5, 90, kStep);
  for (int k = 1; k <= 9; ++k) slow.Legs(1, 90 - 10 * k, kStep);
  EXPECT_EQ(TackPoints(Process(slow.store())), std::vector<int32_t>{9});

  // A second sharp turn one or two legs after a tack is not a tack of its own: the search starts
  // three points after the last mark.
  for (int after : {1, 2}) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(9, 90, kStep).Legs(after, 0, kStep).Legs(8, 270, kStep);
    const std::vector<int32_t> tacks = TackPoints(Process(b.store()));
    ASSERT_FALSE(tacks.empty());
    EXPECT_EQ(tacks[0], 9) << after;
    if (tacks.size() > 1) {
      EXPECT_GE(tacks[1], 12) << after;
    }
  }
}

TEST(TackDetection, OutlierRestartsTheSearch) {
  for (const bool outlier : {false, true}) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(5, 90, kStep).Legs(1, 90, kStep, outlier ? 0 : kMinute).Legs(1, 90, kStep).Legs(8, 0, kStep);
    const Processed p = Process(b.store());
    EXPECT_EQ(p.Flag(6), outlier ? kOutlier : kOrdinary);
    EXPECT_EQ(TackPoints(p), outlier ? std::vector<int32_t>{} : std::vector<int32_t>{7});
  }
}

TEST(EnoughPoints, RefusesAnEmptyTrack) {
  ScriptedPrompts prompts;
  EXPECT_TRUE(EnoughPoints(1, prompts));
  EXPECT_FALSE(EnoughPoints(0, prompts));
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Trackfile has only 0 points, plotting not possible"});
}

}  // namespace
}  // namespace wl::test
