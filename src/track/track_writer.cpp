#include "track/track_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "track/track_reader.h"

namespace wl {

namespace {

constexpr const char* kCrLf = "\r\n";

void AppendRecords(const TrackStore& store, const PointFilter& keep, std::string& out) {
  unsigned char rec[kTrcRecordSize];
  for (int32_t i = 0; i < store.TrackCount; ++i) {
    if (keep && !keep(i)) continue;
    EncodeTrcRecord(store.TrackRecs[static_cast<size_t>(i)], rec);
    out.append(reinterpret_cast<const char*>(rec), kTrcRecordSize);
  }
}

void AppendLines(const TrackStore& store, const PointFilter& keep, std::string& out) {
  for (int32_t i = 0; i < store.TrackCount; ++i) {
    if (keep && !keep(i)) continue;
    out.append(store.Line(i));
    out.append(kCrLf);
  }
}

// Replacing a link replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& fileName) {
  struct stat st {};
  if (::lstat(fileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(fileName.c_str(), nullptr)) {
      std::string target(real);
      std::free(real);
      return target;
    }
  }
  return fileName;
}

// A new file gets what the user's umask allows; a replaced one keeps its mode.
mode_t ModeFor(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t r = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) {
      if (r == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(r);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes beside the target and renames over it only when everything is on disk, so that a
// failure never leaves a half-written or emptied file. Returns the system's reason on failure.
bool ReplaceFile(const std::string& fileName, const std::string& bytes, std::string& reason) {
  const std::string target = ResolvedTarget(fileName);
  const size_t sep = target.rfind('/');
  const std::string folder = sep == std::string::npos ? "." : target.substr(0, sep == 0 ? 1 : sep);
  const std::string base = sep == std::string::npos ? target : target.substr(sep + 1);
  // Short enough for the folder's name limit whatever the target's length.
  std::string temp = folder + (folder.ends_with('/') ? "" : "/") + "." + base.substr(0, 200) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  ::fchmod(fd, ModeFor(target));  // some file systems have no modes; the data matters more
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int err = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    reason = std::strerror(err);
    return false;
  }
  SyncFolder(folder);
  return true;
}

bool Save(const std::string& fileName, const std::string& bytes, Prompts& prompts) {
  std::string reason;
  if (ReplaceFile(fileName, bytes, reason)) return true;
  prompts.ShowMessage(fileName + kCrLf + "could not be written: " + reason, Icon::Exclamation);
  return false;
}

}  // namespace

bool writetrackfile(TrackStore& store, const std::string& fileName, const PointFilter& keep, Prompts& prompts) {
  const bool toTrc = LowerTail(fileName, 4) == ".trc";
  std::string bytes;
  try {
    if (store.IsTRC) {
      if (!toTrc) {
        prompts.ShowMessage("Only extension \".trc\" is permitted for .trt file !", Icon::None);
        return false;
      }
      store.InputFileName = fileName;
      AppendRecords(store, keep, bytes);
    } else if (store.IsTRT) {
      store.InputFileName = fileName;
      if (!store.TrackComments.empty())
        prompts.ShowMessage("writing track file does not write comment lines (yet)!", Icon::Exclamation);
      if (toTrc) {
        prompts.ShowMessage(
            "Saving a .trt file as .trc does not store all data and changes CT to UTC by subtracting 2 hours",
            Icon::Information);
        AppendRecords(store, keep, bytes);
      } else {
        AppendLines(store, keep, bytes);
      }
    } else {
      return false;
    }
  } catch (const std::bad_alloc&) {
    prompts.ShowMessage(fileName + kCrLf + "could not be written: " + std::strerror(ENOMEM), Icon::Exclamation);
    return false;
  }
  return Save(fileName, bytes, prompts);
}

}  // namespace wl
