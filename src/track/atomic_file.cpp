#include "track/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "track/pending_temp_files.h"

namespace wl {

namespace {

std::string FolderOf(const std::string& path) {
  const size_t sep = path.rfind('/');
  if (sep == std::string::npos) return ".";
  return path.substr(0, sep == 0 ? 1 : sep);
}

// The file a chain of links ends in, whether or not it exists yet: replacing a link replaces the
// file it points to, not the link.
std::string ResolvedTarget(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {  // the system's own limit on links in a row
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    char link[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), link, sizeof link);
    if (n <= 0 || static_cast<size_t>(n) == sizeof link) break;
    std::string next(link, static_cast<size_t>(n));
    path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
  }
  return path;
}

mode_t ModeFor(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
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

// The rename itself must reach the disk too.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason) {
  const std::string target = ResolvedTarget(path);
  const std::string folder = FolderOf(target);
  const std::string base = target.substr(target.rfind('/') + 1);
  // Short enough for the folder's name limit whatever the target's length.
  PendingTempFile temp(folder + (folder.ends_with('/') ? "" : "/") + "." + base.substr(0, 200) + ".XXXXXX");
  auto fail = [&reason](int err) {
    reason = std::strerror(err);
    return false;
  };
  if (temp.Fd() < 0) return fail(errno);
  ::fchmod(temp.Fd(), ModeFor(target));  // some file systems have no modes; the data matters more
  if (!WriteAll(temp.Fd(), bytes) || ::fsync(temp.Fd()) != 0) return fail(errno);
  if (temp.Close() != 0) return fail(errno);
  if (::rename(temp.Path().c_str(), target.c_str()) != 0) return fail(errno);
  temp.Renamed();
  SyncFolder(folder);
  return true;
}

}  // namespace wl
