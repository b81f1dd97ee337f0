#pragma once
// Temporary files being written, in a fixed table that a signal handler can walk, so that an
// interrupted save leaves no full-size temporary file behind.
#include <string>

namespace wl {

// A new file made from pattern (which ends in "XXXXXX"), registered while the object lives.
// Creation and registration happen with the terminating signals blocked, so that no handler finds
// the file unregistered. The destructor closes the descriptor and removes the file unless it was
// renamed away (Renamed()).
class PendingTempFile {
 public:
  explicit PendingTempFile(std::string pattern);
  ~PendingTempFile();
  PendingTempFile(const PendingTempFile&) = delete;
  PendingTempFile& operator=(const PendingTempFile&) = delete;

  // Below 0 when the file could not be created (errno says why).
  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }
  // Closes the descriptor; returns what close() returned.
  int Close();
  void Renamed() { renamed_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  int slot_ = -1;
  bool created_ = false;
  bool renamed_ = false;
};

// Removes the files of every PendingTempFile alive. Async-signal-safe.
void RemovePendingTempFiles() noexcept;

// Makes SIGINT, SIGTERM and SIGHUP remove the pending temporary files before they end the process
// as they would have without it. A signal that is ignored stays ignored.
void RemoveTempFilesOnSignals();

}  // namespace wl
