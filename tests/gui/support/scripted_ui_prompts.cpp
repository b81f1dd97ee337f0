#include "support/scripted_ui_prompts.h"

namespace wl::test {

void ScriptedUiPrompts::ShowMessage(const std::string& text, Icon icon) {
  asked.push_back({Kind::Message, text, icon, false, {}});
}

bool ScriptedUiPrompts::AskYesNo(const std::string& text, Icon icon, bool defaultNo) {
  asked.push_back({Kind::Question, text, icon, defaultNo, {}});
  if (answers.empty()) return defaultAnswer;
  const bool a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<FileDialogChoice> ScriptedUiPrompts::ChooseFile(const FileDialogRequest& request) {
  asked.push_back({Kind::File, request.title, Icon::None, false, request});
  if (files.empty()) return std::nullopt;
  FileDialogChoice choice{files.front(), request.filterIndex};
  files.pop_front();
  return choice;
}

std::optional<std::string> ScriptedUiPrompts::ChooseFolder(const std::string& title, const std::string&) {
  asked.push_back({Kind::Folder, title, Icon::None, false, {}});
  if (folders.empty()) return std::nullopt;
  std::string folder = folders.front();
  folders.pop_front();
  return folder;
}

std::vector<std::string> ScriptedUiPrompts::Texts() const {
  std::vector<std::string> t;
  for (const Asked& a : asked)
    if (a.kind == Kind::Message || a.kind == Kind::Question) t.push_back(a.text);
  return t;
}

}  // namespace wl::test
