#pragma once
// The replay of the session's track (F2 on the plot): one tick at a time from a timer, on the
// schedule of the command line's replay, each at an absolute deadline so the schedule keeps time.
// Each tick moves the session's cursor to the next point, or shows the simulator's position in
// between, and sends the sentences to the chosen output. A change of the track stops it first; an
// output that fails stops it with a message naming the port and the reason.
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "nmea/nmea_clock.h"
#include "nmea/nmea_output.h"
#include "nmea/send_point.h"
#include "nmea/sim_schedule.h"
#include "nmea/uniform_random.h"
#include "session/replay_timer.h"
#include "track/track_rec.h"

namespace wl {

class TrackSession;

class TrackReplay : public QObject {
  Q_OBJECT

 public:
  explicit TrackReplay(TrackSession& session);
  ~TrackReplay() override;

  bool Running() const { return state_.SimRunning; }
  // From the session's current point on; the first tick after 100 ms moves to the next point.
  void Start();
  void Stop();

  // For tests and benchmarks: their own timer, and an output in place of the session's link
  // (with the line speed of a serial one).
  void UseTimer(std::unique_ptr<ReplayTimer> timer);
  void UseOutput(NmeaOutput& output, std::optional<int32_t> lineSpeed);

 signals:
  void Started();
  void Stopped();
  // A position between two points, for the plot's simulator circle.
  void Simulated(wl::PosRec pos);

 private:
  void Tick();
  void Schedule();
  void End();
  void WarnOfLineLoad();
  int32_t Rate() const;
  NmeaOutput& Output();
  std::optional<int32_t> LineSpeed() const;
  NmeaSender Sender();

  TrackSession& session_;
  std::unique_ptr<ReplayTimer> timer_;
  SystemClock clock_;
  SeededRandom random_;
  NmeaOutput* output_ = nullptr;
  std::optional<int32_t> lineSpeed_;
  SimState state_;
  ReplayClock::time_point start_;
  int64_t elapsedMs_ = 0;  // since the start, up to the next tick
};

}  // namespace wl
