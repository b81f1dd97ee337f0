#include "track/track_history.h"

#include <utility>

namespace wl {

void TrackHistory::Reset() {
  undo_.clear();
  redo_.clear();
  currentState_ = savedState_ = nextState_++;
}

void TrackHistory::Push(std::unique_ptr<TrackStore> before) {
  redo_.clear();
  undo_.push_back({std::move(before), currentState_});
  // Each snapshot holds a whole store; the oldest ones go first.
  if (undo_.size() > limit_) undo_.erase(undo_.begin());
  currentState_ = nextState_++;
}

void TrackHistory::Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to, TrackStore& store) {
  if (from.empty()) return;
  Snapshot s = std::move(from.back());
  from.pop_back();
  std::swap(store, *s.store);
  std::swap(currentState_, s.state);
  to.push_back(std::move(s));
  store.DataChanged = currentState_ != savedState_;
}

}  // namespace wl
