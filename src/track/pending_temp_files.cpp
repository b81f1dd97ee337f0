#include "track/pending_temp_files.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace wl {

namespace {

// Saves rarely overlap; a save that finds no free slot still works, it is only not cleaned up
// after a signal.
constexpr int kSlots = 8;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

enum SlotState : int { kFree, kClaimed, kActive };

struct Slot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slot states");

Slot gSlots[kSlots];

int ClaimSlot(size_t pathLength) {
  if (pathLength >= PATH_MAX) return -1;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (gSlots[i].state.compare_exchange_strong(expected, kClaimed)) return i;
  }
  return -1;
}

class SignalsBlocked {
 public:
  SignalsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kSignals) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

 private:
  sigset_t old_;
};

extern "C" void RemoveAndRaise(int sig) {
  const int savedErrno = errno;
  RemovePendingTempFiles();
  errno = savedErrno;
  // The handler was reset to the default on entry, so this ends the process as the signal would have.
  raise(sig);
}

}  // namespace

PendingTempFile::PendingTempFile(std::string pattern) : path_(std::move(pattern)) {
  SignalsBlocked blocked;
  slot_ = ClaimSlot(path_.size());
  fd_ = ::mkstemp(path_.data());
  created_ = fd_ >= 0;
  if (slot_ < 0) return;
  if (fd_ < 0) {
    gSlots[slot_].state.store(kFree);
    slot_ = -1;
    return;
  }
  std::memcpy(gSlots[slot_].path, path_.c_str(), path_.size() + 1);
  gSlots[slot_].state.store(kActive);
}

PendingTempFile::~PendingTempFile() {
  if (fd_ >= 0) ::close(fd_);
  if (created_ && !renamed_) ::unlink(path_.c_str());
  if (slot_ >= 0) gSlots[slot_].state.store(kFree);
}

int PendingTempFile::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd);
}

void RemovePendingTempFiles() noexcept {
  for (Slot& s : gSlots)
    if (s.state.load() == kActive) ::unlink(s.path);
}

void RemoveTempFilesOnSignals() {
  for (int sig : kSignals) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction act {};
    act.sa_handler = RemoveAndRaise;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigaction(sig, &act, nullptr);
  }
}

}  // namespace wl
