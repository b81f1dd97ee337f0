#pragma once
// Undo and redo of the point edits (deletion, file insertion): whole-store snapshots, a bounded
// number of them. The history knows which state was last opened or saved, so that undoing back
// to it clears DataChanged.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "track/track_store.h"

namespace wl {

class TrackHistory {
 public:
  explicit TrackHistory(size_t limit = 20) : limit_(limit) {}

  // After an open: nothing to undo, and the store is what the file holds.
  void Reset();
  // After an edit: `before` is the store as it was before it.
  void Push(std::unique_ptr<TrackStore> before);
  // After a save: the current state is what the file holds.
  void MarkSaved() { savedState_ = currentState_; }

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Both set DataChanged by whether the result differs from the last opened or saved state.
  void Undo(TrackStore& store) { Step(undo_, redo_, store); }
  void Redo(TrackStore& store) { Step(redo_, undo_, store); }

 private:
  struct Snapshot {
    std::unique_ptr<TrackStore> store;
    uint64_t state;
  };
  void Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to, TrackStore& store);

  size_t limit_;
  std::vector<Snapshot> undo_, redo_;
  uint64_t currentState_ = 0, savedState_ = 0, nextState_ = 1;
};

}  // namespace wl
