#pragma once
// The prompts as real Qt dialogs, titled with the program's name.
#include "track/ui_prompts.h"

class QWidget;

namespace wl {

class QtPrompts : public UiPrompts {
 public:
  // Dialogs are modal to parent, or to the active window when there is none.
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;
  bool AskToStop(const std::string& text, Icon icon) override;
  std::optional<std::string> AskWholeNumber(const std::string& text, int32_t initial) override;
  std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;

 private:
  QWidget* Parent() const;
  bool Ask(const std::string& text, Icon icon, bool defaultYes, bool escapeYes);
  QWidget* parent_;
};

}  // namespace wl
