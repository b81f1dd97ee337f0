#pragma once
// The replay in accelerated time as a state machine: the timer owner calls SimTick on every tick,
// sends what it returns and sets its timer to the returned interval.
#include <cstdint>

#include "nav/proc_rec.h"

namespace wl {

struct SimState {
  bool SimRunning = false;
  int16_t SimStep = 0;
  int16_t SimSteps = 0;
  double SimStepFraction = 1.0;
  int32_t intervalMs = 0;  // the timer's interval; 0 = stopped
};

void SetSimulation(SimState& state, bool on);

// A ProcRec between a and b at fraction t: time and position interpolated, a's speeds, courses,
// heading, wind and depth, every other field zero.
ProcRec InterpolateProcRec(const ProcRec& a, const ProcRec& b, double t);

struct SimTickResult {
  enum class Kind { Nothing, Point, Interpolated } kind = Kind::Nothing;
  ProcRec record;         // what to send
  bool cursorMoved = false;  // the tick stepped the cursor (the plot's Down key)
};

// One timer tick over recs[0 .. count-1]. cursor is the plot's cursor index, moved on to the next
// point (never past the last) when a leg is done. A leg of d seconds under way is split into
// steps of at most 30 s: the positions in between, then the next point, d / rate seconds in all. rate: track time runs this many times faster
// than real time (kept within 15..600). Afterwards state.intervalMs is the next interval, 0 when
// the replay has ended.
SimTickResult SimTick(SimState& state, int32_t& cursor, const ProcRec* recs, int32_t count, int32_t rate);

}  // namespace wl
