#include "support/scripted_ui_prompts.h"

namespace wl::test {

template <class T>
static std::optional<T> Next(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T front = queue.front();
  queue.pop_front();
  return front;
}

void ScriptedUiPrompts::ShowMessage(const std::string& text, Icon icon) {
  asked.push_back({Kind::Message, text, icon, false, {}});
}

bool ScriptedUiPrompts::AskYesNo(const std::string& text, Icon icon, bool defaultNo) {
  asked.push_back({Kind::Question, text, icon, defaultNo, {}});
  return Next(answers).value_or(defaultAnswer);
}

std::optional<FileDialogChoice> ScriptedUiPrompts::ChooseFile(const FileDialogRequest& request) {
  asked.push_back({Kind::File, request.title, Icon::None, false, request});
  const std::optional<std::string> file = Next(files);
  if (!file) return std::nullopt;
  return FileDialogChoice{*file, request.filterIndex};
}

std::optional<std::string> ScriptedUiPrompts::ChooseFolder(const std::string& title, const std::string&) {
  asked.push_back({Kind::Folder, title, Icon::None, false, {}});
  return Next(folders);
}

std::vector<std::string> ScriptedUiPrompts::Texts() const {
  std::vector<std::string> t;
  for (const Asked& a : asked)
    if (a.kind == Kind::Message || a.kind == Kind::Question) t.push_back(a.text);
  return t;
}

}  // namespace wl::test
