#pragma once
// Everything a window asks of the user goes through here; tests replace it with a script.
#include <optional>
#include <string>

#include "track/prompts.h"

namespace wl {

struct FileDialogRequest {
  std::string title;        // "Open first file", "Open append file", "Save file"
  std::string filter;       // label|pattern|label|pattern...
  int filterIndex = 1;      // 1-based
  std::string initialName;  // full path or empty
  bool save = false;        // the name may be new (the Save command)
};

struct FileDialogChoice {
  std::string fileName;  // full path
  int filterIndex = 1;
};

class UiPrompts : public Prompts {
 public:
  // Empty when cancelled.
  virtual std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) = 0;
};

}  // namespace wl
