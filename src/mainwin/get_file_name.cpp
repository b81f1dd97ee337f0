#include "mainwin/get_file_name.h"

#include "settings/locale_number.h"

namespace wl {

std::optional<std::string> GetFileName(const std::string& title, bool save, UiPrompts& prompts,
                                       SettingsStore& settings) {
  FileDialogRequest request;
  request.title = title;
  request.filter = kTrackFileFilter;
  // 1 TRC, 2 TRT, 3 both, 4 all files; anything else stored starts at the first.
  if (!ReadLocaleWhole(settings.Get("FileOpen", "LastExt", "1"), 1, 4, request.filterIndex))
    request.filterIndex = 1;
  request.initialName = settings.Get("FileOpen", "LastFile", "");
  request.save = save;
  std::optional<FileDialogChoice> choice = prompts.ChooseFile(request);
  if (!choice || choice->fileName.empty()) return std::nullopt;
  settings.Save("FileOpen", "LastExt", std::to_string(choice->filterIndex));
  settings.Save("FileOpen", "LastFile", choice->fileName);
  return choice->fileName;
}

}  // namespace wl
