#include "track/track_commands.h"

#include <filesystem>

namespace wl {

bool IsTrackFileName(const std::string& fileName, Prompts& prompts) {
  if (HasTrackExtension(fileName)) return true;
  // The reader would read nothing, and an opened track would silently become empty.
  prompts.ShowMessage(fileName + " is not a .trc or .trt track file", Icon::Exclamation);
  return false;
}

static LoadOutcome Read(TrackStore& store, TrackBlock& scratch, const std::string& fileName, int32_t insertPos,
                        const ReaderSettings& settings, Prompts& prompts) {
  switch (readtrackfile(store, scratch, fileName, insertPos, settings, prompts).outcome) {
    case ReadOutcome::Inserted: return LoadOutcome::Inserted;
    case ReadOutcome::Refused: return LoadOutcome::Refused;
    case ReadOutcome::NotATrackFile:
    case ReadOutcome::CannotOpen: break;
  }
  return LoadOutcome::Untouched;
}

LoadOutcome OpenTrackFile(TrackStore& store, TrackBlock& scratch, const std::string& fileName,
                          const ReaderSettings& settings, Prompts& prompts) {
  if (!IsTrackFileName(fileName, prompts)) return LoadOutcome::Untouched;
  const int32_t held = store.TrackCount;
  store.TrackCount = 0;
  const LoadOutcome outcome = Read(store, scratch, fileName, 0, settings, prompts);
  if (outcome == LoadOutcome::Untouched) {
    // The reader touched nothing, so the points are all still there.
    store.TrackCount = held;
    return outcome;
  }
  store.DataChanged = false;
  return outcome;
}

LoadOutcome InsertTrackFile(TrackStore& store, TrackBlock& scratch, const std::string& fileName, int32_t after,
                            const ReaderSettings& settings, Prompts& prompts) {
  const std::string kind = LowerTail(fileName, 3);
  if (!((store.IsTRC && kind == "trc") || (store.IsTRT && kind == "trt"))) {
    prompts.ShowMessage("can only insert file of same type (.trc resp .trt)!", Icon::None);
    return LoadOutcome::Untouched;
  }
  if (!IsTrackFileName(fileName, prompts)) return LoadOutcome::Untouched;
  if (!prompts.AskYesNo(InsertQuestion(after), Icon::None, false)) return LoadOutcome::Untouched;
  const LoadOutcome outcome = Read(store, scratch, fileName, after + 1, settings, prompts);
  if (outcome == LoadOutcome::Inserted) store.DataChanged = true;
  return outcome;
}

std::string InsertQuestion(int32_t after) { return "INSERT FILE AFTER " + std::to_string(after); }

std::string DeleteQuestion(int32_t first, int32_t num) {
  if (num == 1) return "Delete Track Point " + std::to_string(first);
  return "Delete " + std::to_string(num) + " Track Points, starting at " + std::to_string(first);
}

bool DeleteTrackPoints(TrackStore& store, int32_t first, int32_t num, Prompts& prompts) {
  if (num < 1 || first < 0 || int64_t{first} + num > store.TrackCount) return false;
  if (!prompts.AskYesNo(DeleteQuestion(first, num), Icon::None, false)) return false;
  store.DeleteTrackRecs(first + 1, num);
  store.DataChanged = true;
  return true;
}

bool SaveTrackFile(TrackStore& store, const std::string& fileName, const PointFilter& keep, Prompts& prompts) {
  // An empty file in place of the target would lose it for nothing; a selection of no points
  // (no tack points) is still written.
  if (store.TrackCount == 0) {
    prompts.ShowMessage("nothing to save: the track has no points", Icon::Exclamation);
    return false;
  }
  std::error_code ec;
  if (std::filesystem::exists(fileName, ec) &&
      !prompts.AskYesNo(fileName + " exists, do you want to overwite ?", Icon::Exclamation, true)) {
    prompts.ShowMessage("file not saved", Icon::None);
    return false;
  }
  const std::string inputName = store.InputFileName;
  if (!writetrackfile(store, fileName, keep, prompts)) {
    // Nothing was written under the new name, so the input label keeps naming the old file.
    store.InputFileName = inputName;
    return false;
  }
  store.DataChanged = false;
  return true;
}

}  // namespace wl
