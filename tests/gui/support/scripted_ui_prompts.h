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
    std::string text;  // message, question or dialog title
    Icon icon = Icon::None;
    bool defaultNo = false;
    FileDialogRequest file;  // file dialogs only
  };

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;
  std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;

  // Answers to questions; when none is left, `defaultAnswer`.
  std::deque<bool> answers;
  bool defaultAnswer = true;
  // Files chosen in the file dialogs (the filter index stays as offered); none left is a cancel.
  std::deque<std::string> files;
  std::deque<std::string> folders;

  std::vector<Asked> asked;
  // The texts of the messages and questions, in order.
  std::vector<std::string> Texts() const;
  void Clear() { asked.clear(); }
};

}  // namespace wl::test
