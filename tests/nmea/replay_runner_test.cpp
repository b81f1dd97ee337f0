#include "nmea/replay_runner.h"

#include "nmea/replay_load.h"

#include <gtest/gtest.h>

#include "nmea_test_support.h"

namespace wl {
namespace {

struct ReplayTest : ::testing::Test {
  ReplayTest() {
    settings.nmeaOut = true;
    // Point 1 to 2 sailed for 45 s, 2 to 3 a standstill, 3 to 4 sailed for 30 s.
    const float cum[] = {0, 0, 45, 45, 75}, sog[] = {0, 5, 5, 0.1f, 5};
    for (int i = 0; i < 5; ++i) {
      recs[i].Pos = {3000000 + 1000 * i, 0};
      recs[i].CumTime = cum[i] / 3600;
      recs[i].uiSOG = sog[i];
    }
    replay.recs = recs.data();
    replay.count = 5;
  }
  SettingsValues settings;
  test::CaptureOutput output;
  test::ScriptedRandom random;
  FixedClock clock{45000};
  NmeaSender sender{settings, false, output, random, clock};
  std::vector<ProcRec> recs = std::vector<ProcRec>(5);
  Replay replay;
  std::string error;
};

TEST_F(ReplayTest, TicksAtTheSummedIntervals) {
  std::vector<std::pair<int64_t, int32_t>> ticks;
  replay.onTick = [&](const ReplayTick& t) {
    ticks.emplace_back(t.tMs, t.cursor);
    return true;
  };
  ASSERT_TRUE(RunReplay(replay, sender, error));
  // Point 1; the 45-s leg in two steps of 375 ms (its middle, then point 2); the standstill in
  // 200 ms; the 30-s leg in one step of 500 ms.
  const std::vector<std::pair<int64_t, int32_t>> expected = {{100, 1}, {475, 1}, {850, 2}, {1050, 3}, {1550, 4}};
  EXPECT_EQ(ticks, expected);
  EXPECT_EQ(output.writes.size(), expected.size());  // one RMC per tick
  EXPECT_EQ(replay.cursor, 4);
}

TEST_F(ReplayTest, OutputFailureStopsTheReplay) {
  output.failAfter = 2;
  int ticks = 0;
  replay.onTick = [&](const ReplayTick&) { return ++ticks > 0; };
  EXPECT_FALSE(RunReplay(replay, sender, error));
  EXPECT_EQ(error, "write failed");
  EXPECT_EQ(ticks, 3);
}

TEST_F(ReplayTest, LineLoadIsTheBytesSentOverTheScheduledTime) {
  replay.cursor = 1;  // from point 1 on the 70-byte RMC goes out at 100, 300 and 800 ms
  EXPECT_DOUBLE_EQ(ReplayBytesPerSecond(replay, sender), 3 * 70 / 0.8);
  EXPECT_TRUE(output.writes.empty());  // counted, not sent
  EXPECT_EQ(random.draws, 0);

  const struct {
    int32_t speed;
    double needs;
    const char* warning;
  } cases[] = {{4800, 480, ""},
               {4800, 480.2, "the line carries about 480 bytes/s, the replay needs about 481; choose a higher "
                             "speed or a lower rate"},
               {38400, 822, ""}};
  for (const auto& c : cases) EXPECT_EQ(LineLoadWarning(c.speed, c.needs), c.warning) << c.speed << " " << c.needs;
}

}  // namespace
}  // namespace wl
