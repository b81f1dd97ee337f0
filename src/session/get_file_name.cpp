#include "session/get_file_name.h"

#include "settings/locale_number.h"
#include "track/track_reader.h"

namespace wl {

namespace {

constexpr int kTrcFilter = 1, kTrtFilter = 2;

std::string WithTrackExtension(std::string name, int filterIndex, const TrackStore& track) {
  // Only a track extension counts: "race.06.12" saved as it stands could never be opened again.
  if (HasTrackExtension(name)) return name;
  if (filterIndex == kTrcFilter || (filterIndex != kTrtFilter && track.IsTRC)) return name + ".trc";
  if (filterIndex == kTrtFilter || track.IsTRT) return name + ".trt";
  return name;
}

}  // namespace

std::optional<std::string> GetFileName(const std::string& title, const TrackStore* saving, UiPrompts& prompts,
                                       const SettingsStore& store, const SettingWriter& remember) {
  FileDialogRequest request;
  request.title = title;
  request.filter = kTrackFileFilter;
  // 1 TRC, 2 TRT, 3 both, 4 all files; anything else stored starts at the first.
  if (!ReadLocaleWhole(ReadSetting(store, SettingKey::LastExt), 1, 4, request.filterIndex)) request.filterIndex = 1;
  request.initialName = ReadSetting(store, SettingKey::LastFile);
  request.save = saving != nullptr;
  if (saving && (saving->IsTRC || saving->IsTRT)) {
    request.filterIndex = saving->IsTRT ? kTrtFilter : kTrcFilter;
    if (!saving->InputFileName.empty()) request.initialName = saving->InputFileName;
  }
  std::optional<FileDialogChoice> choice = prompts.ChooseFile(request);
  if (!choice || choice->fileName.empty()) return std::nullopt;
  if (saving) choice->fileName = WithTrackExtension(std::move(choice->fileName), choice->filterIndex, *saving);
  remember(SettingKey::LastExt, std::to_string(choice->filterIndex));
  remember(SettingKey::LastFile, choice->fileName);
  return choice->fileName;
}

}  // namespace wl
