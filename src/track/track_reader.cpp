#include "track/track_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "track/trc_format.h"
#include "track/trt_parser.h"

namespace wl {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kNotRegular = "it is not a regular file";

// Larger than any track: 20001 logger lines take about 2 MB.
constexpr size_t kMaxTrtBytes = size_t{1} << 30;

// Reads a regular file in one go. At most maxBytes are read; a longer file is cut there when
// cut is set and refused otherwise. On failure gives the reason.
bool ReadFileBytes(const std::string& fileName, size_t maxBytes, bool cut, std::string& bytes, std::string& reason) {
  // Devices and pipes never end or never start; opening one may already act on it.
  struct stat st {};
  if (::stat(fileName.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    reason = kNotRegular;
    return false;
  }
  // Non-blocking, so that a pipe put in place since cannot hang the open.
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  const size_t limit = cut ? maxBytes : maxBytes + 1;
  int err = 0;
  bool regular = true;
  if (::fstat(fd, &st) != 0) {
    err = errno;
  } else if (S_ISDIR(st.st_mode)) {
    err = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    regular = false;
  } else if (!cut && static_cast<uintmax_t>(st.st_size) > maxBytes) {
    err = EFBIG;
  } else {
    try {
      // Files that tell no size (/proc) grow the buffer as they are read. One byte beyond the
      // known size lets the first read reach the end without regrowing.
      const size_t expected = st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : size_t{65536};
      bytes.resize(std::min(limit, expected));
      size_t got = 0;
      while (got < limit) {
        if (got == bytes.size()) bytes.resize(std::min(limit, bytes.size() * 2));
        const ssize_t r = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) {
          err = errno;
          break;
        }
        if (r == 0) break;
        got += static_cast<size_t>(r);
      }
      bytes.resize(got);
      if (got > maxBytes) err = EFBIG;
    } catch (const std::bad_alloc&) {
      err = ENOMEM;
    }
  }
  ::close(fd);
  if (err != 0 || !regular) {
    reason = regular ? std::strerror(err) : kNotRegular;
    bytes.clear();
    return false;
  }
  return true;
}

}  // namespace

ReadResult readtrackfile(TrackStore& store, TrackBlock& scratch, const std::string& fileName, int32_t insertPos,
                         const ReaderSettings& settings, Prompts& prompts) {
  ReadResult result;
  const std::string ext = LowerTail(fileName, 4);
  const bool isTRC = ext == ".trc", isTRT = ext == ".trt";
  if (!isTRC && !isTRT) return result;

  std::string bytes, reason;
  if (!ReadFileBytes(fileName, isTRC ? kTrcBytesNeeded : kMaxTrtBytes, isTRC, bytes, reason)) {
    prompts.ShowMessage(fileName + kCrLf + "could not be opened: " + reason, Icon::Exclamation);
    result.outcome = ReadOutcome::CannotOpen;
    return result;
  }

  store.IsTRC = isTRC;
  store.IsTRT = isTRT;
  store.InputFileName = fileName;
  store.TrackFileName = FileNamePart(fileName);
  bool truncated;
  if (isTRC) {
    store.TrackComments.clear();
    const TrcParse p = ParseTrcBytes(bytes, scratch);
    result.points = p.points;
    truncated = p.truncated;
  } else {
    store.TrueHeading = settings.useTrueHeading;
    store.CTNoticeDone = false;
    if (insertPos == 0) store.TrackComments.clear();
    const TrtParse p = ParseTrtText(bytes, settings, scratch, store.TrackComments, store.CTNoticeDone, prompts);
    result.points = p.points;
    result.skippedLines = p.skipped;
    truncated = p.truncated;
  }

  if (truncated) prompts.ShowMessage(fileName + kCrLf + "Trackfile too long, truncated !!!", Icon::Exclamation);
  if (result.skippedLines > 0)
    prompts.ShowMessage(fileName + kCrLf + "Lines that could not be read were skipped: " +
                            std::to_string(result.skippedLines),
                        Icon::Exclamation);
  result.outcome = store.InsertTrackRecs(scratch, result.points, insertPos, fileName, prompts) ? ReadOutcome::Inserted
                                                                                              : ReadOutcome::Refused;
  return result;
}

float HDGcorrect(float hdg, float cog) {
  if (cog > 70 && cog < 200 && hdg > 218) return hdg - 128;
  if ((cog < 20 || cog > 250) && hdg >= 39 && hdg <= 129) return hdg + 230;
  return hdg;
}

std::string_view FileNamePart(std::string_view path) {
  const size_t sep = path.find_last_of("/\\");
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string LowerTail(std::string_view s, size_t n) {
  std::string tail(s.substr(s.size() > n ? s.size() - n : 0));
  for (char& c : tail)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return tail;
}

bool HasTrackExtension(std::string_view fileName) {
  const std::string ext = LowerTail(fileName, 4);
  return ext == ".trc" || ext == ".trt";
}

}  // namespace wl
