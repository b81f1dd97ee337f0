#include "session/get_file_name.h"

#include "settings/locale_number.h"

namespace wl {

std::optional<std::string> GetFileName(const std::string& title, bool save, UiPrompts& prompts,
                                       const SettingsStore& store, const SettingWriter& remember) {
  FileDialogRequest request;
  request.title = title;
  request.filter = kTrackFileFilter;
  // 1 TRC, 2 TRT, 3 both, 4 all files; anything else stored starts at the first.
  if (!ReadLocaleWhole(ReadSetting(store, SettingKey::LastExt), 1, 4, request.filterIndex)) request.filterIndex = 1;
  request.initialName = ReadSetting(store, SettingKey::LastFile);
  request.save = save;
  std::optional<FileDialogChoice> choice = prompts.ChooseFile(request);
  if (!choice || choice->fileName.empty()) return std::nullopt;
  remember(SettingKey::LastExt, std::to_string(choice->filterIndex));
  remember(SettingKey::LastFile, choice->fileName);
  return choice->fileName;
}

}  // namespace wl
