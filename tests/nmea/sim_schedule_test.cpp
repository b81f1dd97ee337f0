#include "nmea/sim_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace wl {
namespace {

using Kind = SimTickResult::Kind;

// Points with the given leg speeds and cumulative hours under way.
std::vector<ProcRec> Track(std::vector<std::pair<float, float>> sogAndCumHours) {
  std::vector<ProcRec> recs;
  int32_t lat = 3000000;
  for (auto [sog, cum] : sogAndCumHours) {
    ProcRec r;
    r.uiSOG = sog;
    r.CumTime = cum;
    r.Pos = {lat, 0};
    r.Time = 45000 + cum / 24.0;
    lat += 300;
    recs.push_back(r);
  }
  return recs;
}

struct Runner {
  explicit Runner(std::vector<ProcRec> r, int32_t rate = 60, int32_t start = 0)
      : recs(std::move(r)), rate(rate), cursor(start) {
    SetSimulation(state, true);
  }
  SimTickResult Tick() { return SimTick(state, cursor, recs.data(), static_cast<int32_t>(recs.size()), rate); }
  std::vector<ProcRec> recs;
  int32_t rate;
  int32_t cursor;
  SimState state;
};

TEST(SimSchedule, StartIntervalAndFirstTickMovesOn) {
  Runner r(Track({{0, 0}, {6, 30 / 3600.f}, {6, 60 / 3600.f}}));
  EXPECT_TRUE(r.state.SimRunning);
  EXPECT_EQ(r.state.intervalMs, 100);
  SimTickResult t = r.Tick();
  EXPECT_EQ(t.kind, Kind::Point);
  EXPECT_TRUE(t.cursorMoved);
  EXPECT_EQ(r.cursor, 1);
  EXPECT_EQ(t.record.Pos, r.recs[1].Pos);
}

TEST(SimSchedule, StepCountsAndIntervals) {
  struct Case {
    float seconds;
    int32_t rate;
    int16_t steps;
    int32_t intervalMs;
  } cases[] = {
      {30, 60, 1, 500},   // 32-bit hours make this 30.0000016 s: still one step
      {31, 60, 2, 258},   // two steps of 15.5 s
      {30, 600, 1, 50},
      {60, 600, 2, 50},
      {61, 15, 3, 1356},  // 61/3 s × 1000 / 15 = 1355.6
      {45, 60, 2, 375},
  };
  for (const Case& c : cases) {
    Runner r(Track({{0, 0}, {6, 0}, {6, c.seconds / 3600.f}}), c.rate);
    r.Tick();
    EXPECT_EQ(r.state.SimSteps, c.steps) << c.seconds << " s";
    EXPECT_EQ(r.state.intervalMs, c.intervalMs) << c.seconds << " s at rate " << c.rate;
  }
}

TEST(SimSchedule, LegIsInterpolatedThenNextPointSent) {
  Runner r(Track({{0, 0}, {6, 0}, {6, 31 / 3600.f}, {6, 40 / 3600.f}}));
  r.Tick();  // point 1, plans two steps
  SimTickResult a = r.Tick();
  EXPECT_EQ(a.kind, Kind::Interpolated);
  EXPECT_FALSE(a.cursorMoved);
  EXPECT_EQ(r.cursor, 1);
  EXPECT_EQ(a.record.Pos.Lat, r.recs[1].Pos.Lat + 150);
  SimTickResult b = r.Tick();  // t = 1: the next point's position with this point's speed
  EXPECT_EQ(b.kind, Kind::Interpolated);
  EXPECT_EQ(b.record.Pos, r.recs[2].Pos);
  EXPECT_EQ(b.record.uiSOG, r.recs[1].uiSOG);
  SimTickResult c = r.Tick();
  EXPECT_EQ(c.kind, Kind::Point);
  EXPECT_EQ(r.cursor, 2);
}

TEST(SimSchedule, StandstillAndNoTimeUnderWay) {
  Runner still(Track({{0, 0}, {6, 0}, {0.2f, 0}, {6, 0}}));
  still.Tick();
  EXPECT_EQ(still.state.intervalMs, 200);  // 12000 / 60
  EXPECT_EQ(still.Tick().kind, Kind::Point);
  EXPECT_EQ(still.cursor, 2);

  // Under way by speed but CumTime does not grow: no steps, 100 ms.
  Runner fast(Track({{0, 0}, {6, 0}, {15, 0}, {6, 0}}));
  fast.Tick();
  EXPECT_EQ(fast.state.SimSteps, 0);
  EXPECT_EQ(fast.state.intervalMs, 100);
  EXPECT_EQ(fast.Tick().kind, Kind::Point);
}

TEST(SimSchedule, EndsAtTheLastPoint) {
  Runner last(Track({{0, 0}, {6, 30 / 3600.f}}), 60, 1);
  SimTickResult t = last.Tick();  // sends the last point again, then stops
  EXPECT_EQ(t.kind, Kind::Point);
  EXPECT_EQ(last.cursor, 1);
  EXPECT_FALSE(last.state.SimRunning);
  EXPECT_EQ(last.state.intervalMs, 0);

  Runner empty({});
  EXPECT_EQ(empty.Tick().kind, Kind::Nothing);
  EXPECT_FALSE(empty.state.SimRunning);
}

TEST(SimSchedule, CursorMovedToTheEndDuringALeg) {
  Runner r(Track({{0, 0}, {6, 0}, {6, 90 / 3600.f}}));
  r.Tick();
  r.cursor = 2;  // a click ahead, onto the last point
  SimTickResult t = r.Tick();
  EXPECT_EQ(t.kind, Kind::Point);
  EXPECT_FALSE(r.state.SimRunning);
}

TEST(InterpolateProcRec, RoundsHalfToEvenAndZeroesDerivedFields) {
  ProcRec a, b;
  a.Pos = {0, 10};
  b.Pos = {5, 13};
  a.Time = 100;
  b.Time = 101;
  a.uiSOG = 4;
  a.CumDist = 9;
  a.TackFlag = 1;
  a.Depth = 55;
  b.uiSOG = 8;
  ProcRec r = InterpolateProcRec(a, b, 0.5);
  EXPECT_EQ(r.Pos.Lat, 2);   // 2.5
  EXPECT_EQ(r.Pos.Lon, 12);  // 11.5
  EXPECT_DOUBLE_EQ(r.Time, 100.5);
  EXPECT_EQ(r.uiSOG, 4);
  EXPECT_EQ(r.Depth, 55);
  EXPECT_EQ(r.CumDist, 0);
  EXPECT_EQ(r.TackFlag, 0);
}

}  // namespace
}  // namespace wl
