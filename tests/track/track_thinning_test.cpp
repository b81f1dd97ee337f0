#include "track/track_thinning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "track_rig.h"

namespace wl {
namespace {

constexpr double kDay = 45000;  // 2023-03-15
constexpr double kNoDay = -1e9;  // marks a time of day without a date
constexpr double kNaN = NAN;
constexpr double kTooLate = 3e9 * 86400;  // beyond the 32-bit day range

// A TRT track whose point i has latitude i, line "L<i>" and the given time in seconds after
// midnight of kDay (kNoDay: the bare time 0.5, i.e. noon without a date; others verbatim as days).
std::unique_ptr<TrackStore> Track(const std::vector<double>& seconds) {
  auto block = std::make_unique<TrackBlock>();
  test::TagPoints(*block, static_cast<int32_t>(seconds.size()));
  for (size_t i = 0; i < seconds.size(); ++i) {
    const double s = seconds[i];
    block->recs[i].Time = s == kNoDay ? 0.5 : (std::isnan(s) || s == kTooLate) ? s / 86400 : kDay + s / 86400;
  }
  auto store = std::make_unique<TrackStore>();
  store->IsTRT = true;
  test::ScriptedPrompts prompts;
  store->InsertTrackRecs(*block, static_cast<int32_t>(seconds.size()), 0, "t.trt", prompts);
  return store;
}

std::vector<int32_t> Kept(const TrackStore& store, int32_t seconds) {
  std::vector<int32_t> kept;
  const std::vector<bool> keep = ThinningKeeps(store, seconds);
  for (size_t i = 0; i < keep.size(); ++i)
    if (keep[i]) kept.push_back(static_cast<int32_t>(i));
  return kept;
}

TEST(Thinning, KeepsFirstLastAndOnePointPerInterval) {
  struct Case {
    const char* what;
    int32_t seconds;
    std::vector<double> times;
    std::vector<int32_t> kept;
  };
  const Case cases[] = {
      {"exactly the interval is kept; times round to whole seconds", 10,
       {0, 9, 10, 19.6, 29.4, 30, 31}, {0, 2, 3, 5, 6}},
      {"first and last", 10, {0, 1, 2, 3}, {0, 3}},
      {"one point", 10, {5}, {0}},
      {"two points", 3600, {0, 1}, {0, 1}},
      {"no points", 10, {}, {}},
      {"one second keeps one point per whole second", 1, {0, 0.2, 1, 1.4, 2}, {0, 2, 4}},
      {"unusable times are kept and leave the reference", 10,
       {0, kNoDay, 5, kNaN, 12, kTooLate, 15, 25}, {0, 1, 3, 4, 5, 7}},
      {"a first point without a time sets no reference", 10, {kNoDay, 0, 3, 10, 11}, {0, 1, 3, 4}},
      {"times before the reference are thinned", 10, {0, 10, 20, 5, 8, 15, 16, 30}, {0, 1, 2, 7}},
      {"a gap of days", 3600, {0, 1800, 2 * 86400.0, 2 * 86400.0 + 100}, {0, 2, 3}},
  };
  for (const Case& c : cases) EXPECT_EQ(Kept(*Track(c.times), c.seconds), c.kept) << c.what;
}

// Which lines stay is seen through wakeline-cli convert --thin.
TEST(Thinning, ChangesTheTrackOnlyWhenItDeletes) {
  auto store = Track({0, 4, 8, 12, 16, 20, 21});
  EXPECT_EQ(ThinTrack(*store, 10), 4);
  EXPECT_TRUE(store->DataChanged);
  auto sparse = Track({0, 60, 120});
  EXPECT_EQ(ThinTrack(*sparse, 10), 0);
  EXPECT_FALSE(sparse->DataChanged);
}

TEST(DenseLog, MedianIntervalUnderFiveSecondsAndManyTackPoints) {
  struct Case {
    const char* what;
    std::vector<double> times;
    int32_t tackPoints;
    bool dense;
  };
  std::vector<double> everySecond, everyFive;
  for (int i = 0; i < 100; ++i) {
    everySecond.push_back(i);
    everyFive.push_back(5.0 * i);
  }
  const Case cases[] = {
      {"1 s log, 6 tack points in 100", everySecond, 6, true},
      {"1 s log, exactly one tack point in twenty", everySecond, 5, false},
      {"5 s log is not under 5 s", everyFive, 50, false},
      {"median of 4, 4, 5, 6 is 4.5", {0, 4, 8, 13, 19}, 1, true},
      {"median of 4, 4, 6, 6 is 5", {0, 4, 8, 14, 20}, 1, false},
      {"repeated, backward and dateless times are no intervals", {0, 0, 0, -3, 10, kNoDay, 20, 30}, 8, false},
      {"a day or more is no interval", {0, 86400, 172800, 172801}, 4, true},
      {"no interval at all", {kNoDay, kNoDay, kNoDay}, 3, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDenseLog(*Track(c.times), c.tackPoints), c.dense) << c.what;
}

// The 1 s log is dense with the tack points it shows (1322 of 10431), and no longer once thinned
// to 10 s (66 tack points).
TEST(RealData, DenseLogUntilThinned) {
  WL_REQUIRE_REALDATA(real);
  test::TrackRig rig;
  ASSERT_EQ(rig.Open("log.trc", test::ReadFile(real + "/irene_2013-08-02_flensburg.trc")).points, 10431);
  EXPECT_TRUE(IsDenseLog(rig.store, 1322));
  ThinTrack(rig.store, 10);
  EXPECT_FALSE(IsDenseLog(rig.store, 66));
}

}  // namespace
}  // namespace wl
