#pragma once
// Everything a window asks of the user goes through here; tests replace it with a script.
#include <cstdint>
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

// AskYesNo's Escape, and closing its box, answer No.
class UiPrompts : public Prompts {
 public:
  // A question whose Yes stops the command that asks it: Yes is the default, and Escape or
  // closing the box answer Yes too, so that no stray key lets the command go on.
  virtual bool AskToStop(const std::string& text, Icon icon) = 0;
  // A whole number typed into a box that starts at `initial`: the text as typed (the caller
  // checks it), or nothing when cancelled.
  virtual std::optional<std::string> AskWholeNumber(const std::string& text, int32_t initial) = 0;
  // Empty when cancelled.
  virtual std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) = 0;
};

}  // namespace wl
