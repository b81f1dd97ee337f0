#include "nmea/replay_runner.h"

#include <gtest/gtest.h>

#include "nmea_test_support.h"

namespace wl {
namespace {

std::vector<ProcRec> Track() {
  // Point 1 to 2 sailed for 45 s, 2 to 3 a standstill, 3 to 4 sailed for 30 s.
  std::vector<ProcRec> recs(5);
  float cum[] = {0, 0, 45, 45, 75};
  float sog[] = {0, 5, 5, 0.1f, 5};
  for (int i = 0; i < 5; ++i) {
    recs[i].Pos = {3000000 + 1000 * i, 0};
    recs[i].CumTime = cum[i] / 3600;
    recs[i].uiSOG = sog[i];
  }
  return recs;
}

struct ReplayTest : ::testing::Test {
  ReplayTest() { settings.nmeaOut = true; }
  SettingsValues settings;
  test::CaptureOutput output;
  test::ScriptedRandom random;
  FixedClock clock{45000};
  NmeaSender sender{settings, false, output, random, clock};
  std::vector<ProcRec> recs = Track();
};

TEST_F(ReplayTest, TicksAtTheSummedIntervals) {
  Replay replay;
  replay.recs = recs.data();
  replay.count = 5;
  std::vector<std::pair<int64_t, int32_t>> ticks;
  replay.onTick = [&](const ReplayTick& t) {
    ticks.emplace_back(t.tMs, t.cursor);
    return true;
  };
  std::string error;
  ASSERT_TRUE(RunReplay(replay, sender, error));
  std::vector<std::pair<int64_t, int32_t>> expected = {
      {100, 1}, {475, 1}, {850, 1}, {1225, 2}, {1425, 3}, {1925, 3}, {2425, 4}};
  EXPECT_EQ(ticks, expected);
  EXPECT_EQ(output.writes.size(), expected.size());  // one RMC per tick
  EXPECT_EQ(replay.cursor, 4);
}

TEST_F(ReplayTest, StartsFromTheGivenPointAndWaits) {
  Replay replay;
  replay.recs = recs.data();
  replay.count = 5;
  replay.rate = 600;
  replay.cursor = 3;
  SleepWaiter waiter;
  replay.waiter = &waiter;
  auto start = ReplayClock::now();
  std::string error;
  ASSERT_TRUE(RunReplay(replay, sender, error));
  // 100 ms to point 4, which ends the replay.
  EXPECT_GE(ReplayClock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(output.writes.size(), 1u);
}

TEST_F(ReplayTest, OutputFailureStopsTheReplay) {
  output.failAfter = 2;
  Replay replay;
  replay.recs = recs.data();
  replay.count = 5;
  int ticks = 0;
  replay.onTick = [&](const ReplayTick&) { return ++ticks > 0; };
  std::string error;
  EXPECT_FALSE(RunReplay(replay, sender, error));
  EXPECT_EQ(error, "write failed");
  EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace wl
