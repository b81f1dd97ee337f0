#include "track/track_writer.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "track/atomic_file.h"
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

bool Save(const std::string& fileName, const std::string& bytes, Prompts& prompts) {
  std::string reason;
  if (WriteFileAtomically(fileName, bytes, reason)) return true;
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
