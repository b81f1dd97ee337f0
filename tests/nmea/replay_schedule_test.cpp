#include "nmea/replay_runner.h"

#include <gtest/gtest.h>

#include <vector>

#include "nmea/replay_load.h"
#include "nmea/sim_schedule.h"
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
}

TEST_F(ReplayTest, OutputFailureStopsTheReplay) {
  output.failAfter = 2;
  int ticks = 0;
  replay.onTick = [&](const ReplayTick&) { return ++ticks > 0; };
  EXPECT_FALSE(RunReplay(replay, sender, error));
  EXPECT_EQ(error, "write failed");
  EXPECT_EQ(ticks, 3);
}

// The load of a replay is pinned by the command line's pty replay test.
TEST(LineLoadWarning, OnlyWhenTheReplayNeedsMoreThanTheLineCarries) {
  const std::string warning =
      "the line carries about 480 bytes/s, the replay needs about 481; choose a higher speed or a lower rate";
  for (auto [speed, needs, expected] :
       {std::tuple{4800, 480.0, ""}, {4800, 480.2, warning.c_str()}, {38400, 822.0, ""}})
    EXPECT_EQ(LineLoadWarning(speed, needs), expected) << speed << " " << needs;
}


using Kind = SimTickResult::Kind;

// A running simulation over points with the given leg speeds and cumulative seconds under way.
struct Runner {
  explicit Runner(std::vector<std::pair<float, float>> sogAndSeconds, int32_t rate = 60, int32_t start = 0)
      : rate(rate), cursor(start) {
    int32_t lat = 3000000;
    for (auto [sog, secs] : sogAndSeconds) {
      ProcRec r;
      r.uiSOG = sog;
      r.CumTime = secs / 3600.f;
      r.Pos = {lat, 0};
      r.Time = 45000 + r.CumTime / 24.0;
      lat += 300;
      recs.push_back(r);
    }
    SetSimulation(state, true);
  }
  SimTickResult Tick() { return SimTick(state, cursor, recs.data(), static_cast<int32_t>(recs.size()), rate); }
  std::vector<ProcRec> recs;
  int32_t rate, cursor;
  SimState state;
};

TEST(SimSchedule, StepCountsAndIntervals) {
  // 30 s at rate 60: 32-bit hours make it 30.0000016 s, still one step; 61 s at rate 15: 61/3 s
  // x 1000 / 15 = 1355.6 ms.
  for (auto [seconds, rate, steps, intervalMs] :
       {std::tuple{30.0f, 60, 1, 500}, {31.0f, 60, 2, 258}, {30.0f, 600, 1, 50}, {60.0f, 600, 2, 50},
        {61.0f, 15, 3, 1356}, {45.0f, 60, 2, 375}}) {
    Runner r({{0, 0}, {6, 0}, {6, seconds}}, rate);
    EXPECT_EQ(r.state.intervalMs, 100);  // the start
    const SimTickResult t = r.Tick();
    EXPECT_TRUE(t.kind == Kind::Point && t.cursorMoved && t.record.Pos == r.recs[1].Pos);
    EXPECT_EQ(std::pair(int{r.state.SimSteps}, r.state.intervalMs), std::pair(steps, intervalMs)) << seconds;
  }
}

TEST(SimSchedule, StepsEndWithTheNextPointItself) {
  Runner r({{0, 0}, {6, 0}, {6, 31}, {6, 40}});
  r.Tick();  // point 1, plans two steps of 15.5 s
  const SimTickResult a = r.Tick();
  EXPECT_EQ(a.kind, Kind::Interpolated);
  EXPECT_FALSE(a.cursorMoved);
  EXPECT_EQ(r.cursor, 1);
  EXPECT_EQ(a.record.Pos.Lat, r.recs[1].Pos.Lat + 150);
  const SimTickResult b = r.Tick();  // the second step is point 2, not its position with point 1's speed
  EXPECT_EQ(b.kind, Kind::Point);
  EXPECT_EQ(r.cursor, 2);
  EXPECT_EQ(r.state.intervalMs, 150);  // 9 s in one step at rate 60
}

// The standstill's 200 ms is pinned by the runner test.
TEST(SimSchedule, NoTimeUnderWayIsOneStepAndTheLastPointEnds) {
  Runner fast({{0, 0}, {6, 0}, {15, 0}, {6, 0}});  // under way by speed, but CumTime does not grow
  fast.Tick();
  EXPECT_EQ(std::pair(fast.state.SimSteps, fast.state.intervalMs), std::pair(int16_t{0}, 100));
  EXPECT_EQ(fast.Tick().kind, Kind::Point);

  Runner last({{0, 0}, {6, 30}}, 60, 1);
  EXPECT_EQ(last.Tick().kind, Kind::Point);  // sends the last point again, then stops
  EXPECT_TRUE(last.cursor == 1 && !last.state.SimRunning && last.state.intervalMs == 0);
  Runner empty({});
  EXPECT_EQ(empty.Tick().kind, Kind::Nothing);
  EXPECT_FALSE(empty.state.SimRunning);
  Runner moved({{0, 0}, {6, 0}, {6, 90}});
  moved.Tick();
  moved.cursor = 2;  // a click ahead during the leg, onto the last point
  EXPECT_EQ(moved.Tick().kind, Kind::Point);
  EXPECT_FALSE(moved.state.SimRunning);
}

TEST(InterpolateProcRec, RoundsHalfToEvenAndZeroesDerivedFields) {
  ProcRec a, b;
  a.Pos = {0, 10}, a.Time = 100, a.uiSOG = 4, a.CumDist = 9, a.TackFlag = 1, a.Depth = 55, a.HDG = 12, a.TWA = -40;
  b.Pos = {5, 13}, b.Time = 101, b.uiSOG = 8, b.HDG = 20, b.TWA = 40;
  const ProcRec r = InterpolateProcRec(a, b, 0.5);
  EXPECT_EQ(r.Pos, (PosRec{2, 12}));  // 2.5 and 11.5
  EXPECT_DOUBLE_EQ(r.Time, 100.5);
  // Instrument values from the first point, derived fields zero.
  EXPECT_TRUE(r.uiSOG == 4 && r.Depth == 55 && r.HDG == 12 && r.TWA == -40 && r.CumDist == 0 && r.TackFlag == 0);
}

}  // namespace
}  // namespace wl
