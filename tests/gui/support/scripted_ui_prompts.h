#pragma once
// The prompts of the window tests: every message, question and dialog is recorded and answered
// from a script, so no test ever waits for a real dialog.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "mainwin/ui_prompts.h"

namespace wl::test {

class ScriptedUiPrompts : public UiPrompts {
 public:
  enum class Kind { Message, Question, File, Folder };
  struct Asked {
    Kind kind;
    std::string text;
    Icon icon = Icon::None;
    bool defaultNo = false;
    FileDialogRequest file;
  };

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;
  std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;

  // Scripted answers; with none left, questions get `defaultAnswer` and dialogs are cancelled.
  std::deque<bool> answers;
  bool defaultAnswer = true;
  std::deque<std::string> files;
  std::deque<std::string> folders;

  std::vector<Asked> asked;
  std::vector<std::string> Texts() const;
  void Clear() { asked.clear(); }
};

}  // namespace wl::test
