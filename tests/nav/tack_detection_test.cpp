#include "nav/tack_detection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "nav/geodesy.h"
#include "support/test_support.h"
#include "track_builder.h"

namespace wl::test {
namespace {

std::vector<int32_t> TackPoints(const Processed& p) {
  std::vector<int32_t> points;
  for (int32_t i = 0; i + 1 < p.track->count; ++i)
    if (p.Flag(i) == 1) points.push_back(i);
  return points;
}

// Leg courses set by hand at one spot, so that the course made good (between equal positions) is 0.
struct Legs {
  std::unique_ptr<ProcessedTrack> track = std::make_unique<ProcessedTrack>();
  explicit Legs(std::initializer_list<float> courses) {
    int32_t i = 0;
    for (float c : courses) track->ProcRecs[static_cast<size_t>(i++)].uiCOG = c;
  }
};

TEST(CheckNewTack, TurnsOfExactlyTheTackAngleAreNotTacks) {
  struct Case {
    float before, after;
    bool tack;
  };
  for (const Case c : {Case{30.0f, 0.0f, false}, Case{30.0001f, 0.0f, true}, Case{340.0f, 10.0f, false},
                       Case{339.9f, 10.0f, true}, Case{0.0f, 330.0f, false}, Case{0.0f, 329.9f, true}}) {
    Legs legs{0, 0, 0, 0, c.before, c.after};
    EXPECT_EQ(CheckNewTack(5, *legs.track, 30), c.tack) << c.before << " " << c.after;
    EXPECT_EQ(legs.track->LastTackPoint, c.tack ? 4 : 0);
  }
}

TEST(CheckNewTack, SearchesOnlyFromThreePointsAfterTheLastMark) {
  Legs legs{0, 0, 0, 0, 0, 90, 0, 0};
  legs.track->LastTackPoint = 2;
  EXPECT_FALSE(CheckNewTack(5, *legs.track, 30));  // 2 >= 5 - 3
  EXPECT_EQ(legs.track->LastTackPoint, 2);
  legs.track->LastTackPoint = 1;
  EXPECT_TRUE(CheckNewTack(5, *legs.track, 30));
  EXPECT_EQ(legs.track->LastTackPoint, 4);
  EXPECT_FALSE(CheckNewTack(5, *legs.track, 0));  // detection off
  EXPECT_TRUE(CheckNewTack(0, *legs.track, 30));
}

TEST(TackDetection, CleanNinetyDegreeTackMarksTheTurnPoint) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(9, 90, kStep, kMinute).Legs(10, 0, kStep, kMinute);
  const Processed p = Process(b.store());
  EXPECT_EQ(TackPoints(p), std::vector<int32_t>{9});
  EXPECT_EQ(p.Flag(19), 1);
  for (int32_t i = 0; i < 20; ++i) EXPECT_EQ(p.Leg(i).yellow, i == 10) << i;
}

TEST(TackDetection, SlowTurnIsFoundByTheCourseMadeGood) {
  TrackBuilder b;
  b.At(0, 0, kNoon).Legs(5, 90, kStep, kMinute);
  for (int k = 1; k <= 9; ++k) b.Leg(90 - 10 * k, kStep, kMinute);
  const Processed p = Process(b.store());
  const std::vector<int32_t> tacks = TackPoints(p);
  ASSERT_EQ(tacks.size(), 1u);
  const int32_t t = tacks[0];
  // The first point at which the course made good since point 0 falls behind the leg after it.
  const auto behind = [&](int32_t q) { return std::fabs(GetCourse(p.Rec(0).Pos, p.Rec(q).Pos) - p.Rec(q).uiCOG) > 30; };
  EXPECT_TRUE(behind(t + 1));
  for (int32_t q = 3; q <= t; ++q) EXPECT_FALSE(behind(q)) << q;
}

TEST(TackDetection, SecondSharpTurnRightAfterATackIsNotMarked) {
  for (int after : {1, 2}) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(9, 90, kStep, kMinute).Legs(after, 0, kStep, kMinute).Legs(8, 270, kStep, kMinute);
    const Processed p = Process(b.store());
    const std::vector<int32_t> tacks = TackPoints(p);
    ASSERT_FALSE(tacks.empty());
    EXPECT_EQ(tacks[0], 9) << after;
    if (tacks.size() > 1) {
      EXPECT_GE(tacks[1], 12) << after;
    }
  }
}

TEST(TackDetection, OutlierRestartsTheSearch) {
  auto build = [](bool outlier) {
    TrackBuilder b;
    b.At(0, 0, kNoon).Legs(5, 90, kStep, kMinute).Leg(90, kStep, outlier ? 0 : kMinute).Leg(90, kStep, kMinute);
    b.Legs(8, 0, kStep, kMinute);
    return Process(b.store());
  };
  EXPECT_EQ(TackPoints(build(false)), std::vector<int32_t>{7});
  const Processed p = build(true);
  EXPECT_EQ(p.Flag(6), 2);
  EXPECT_TRUE(TackPoints(p).empty());
}

TEST(EnoughPoints, RefusesAnEmptyTrack) {
  ScriptedPrompts prompts;
  EXPECT_TRUE(EnoughPoints(1, prompts));
  EXPECT_FALSE(EnoughPoints(0, prompts));
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Trackfile has only 0 points, plotting not possible"});
}

}  // namespace
}  // namespace wl::test
