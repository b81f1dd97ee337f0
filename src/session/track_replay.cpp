#include "session/track_replay.h"

#include <random>

#include "nmea/replay_load.h"
#include "session/nmea_link.h"
#include "session/track_session.h"
#include "track/number_parser.h"

namespace wl {

TrackReplay::TrackReplay(TrackSession& session)
    : session_(session),
      timer_(std::make_unique<QtReplayTimer>()),
      random_(std::random_device{}()) {
  // Any change of the points ends the replay before it happens.
  connect(&session_, &TrackSession::TrackAboutToChange, this, &TrackReplay::Stop);
}

TrackReplay::~TrackReplay() = default;

void TrackReplay::UseTimer(std::unique_ptr<ReplayTimer> timer) {
  Stop();
  timer_ = std::move(timer);
}

void TrackReplay::UseOutput(NmeaOutput& output, std::optional<int32_t> lineSpeed) {
  output_ = &output;
  lineSpeed_ = lineSpeed;
}

NmeaOutput& TrackReplay::Output() { return output_ ? *output_ : session_.Link().Output(); }

std::optional<int32_t> TrackReplay::LineSpeed() const { return output_ ? lineSpeed_ : session_.Link().LineSpeed(); }

int32_t TrackReplay::Rate() const {
  return static_cast<int32_t>(ParseNumber(CheckSimRate(session_.Settings().simRate)));
}

NmeaSender TrackReplay::Sender() {
  const ProcessedTrack& p = session_.Processed();
  return {session_.Settings(), p.isTRT, Output(), random_, clock_, p.trueHeading};
}

void TrackReplay::Start() {
  if (Running() || session_.Processed().count == 0) return;
  SetSimulation(state_, true);
  WarnOfLineLoad();
  start_ = timer_->Now();
  elapsedMs_ = 0;
  emit Started();
  Schedule();
}

void TrackReplay::Stop() {
  if (Running()) End();
}

void TrackReplay::End() {
  SetSimulation(state_, false);
  timer_->Cancel();
  emit Stopped();
}

void TrackReplay::Schedule() {
  elapsedMs_ += state_.intervalMs;
  timer_->CallAt(start_ + std::chrono::milliseconds(elapsedMs_), [this] { Tick(); });
}

void TrackReplay::Tick() {
  if (!Running()) return;
  const ProcessedTrack& p = session_.Processed();
  int32_t cursor = session_.Cursor();
  const SimTickResult result = SimTick(state_, cursor, p.ProcRecs.data(), p.count, Rate());
  if (result.cursorMoved) session_.SetCursor(cursor);
  if (result.kind == SimTickResult::Kind::Interpolated) emit Simulated(result.record.Pos);
  std::string error;
  NmeaSender sender = Sender();
  if (result.kind != SimTickResult::Kind::Nothing && !SendPointNMEA(result.record, sender, error)) {
    End();
    session_.Prompts().ShowMessage(error, Icon::Exclamation);
  } else if (Running()) {
    Schedule();
  } else {
    End();  // the last point was sent
  }
}

// Said once, at the start, when the sentences need more than a serial line carries.
void TrackReplay::WarnOfLineLoad() {
  const std::optional<int32_t> speed = LineSpeed();
  if (!speed || !session_.Settings().nmeaOut) return;
  const ProcessedTrack& p = session_.Processed();
  Replay replay;
  replay.recs = p.ProcRecs.data();
  replay.count = p.count;
  replay.rate = Rate();
  replay.cursor = session_.Cursor();
  const std::string warning = LineLoadWarning(*speed, ReplayBytesPerSecond(replay, Sender()));
  if (!warning.empty()) session_.Prompts().ShowMessage(warning, Icon::Exclamation);
}

}  // namespace wl
