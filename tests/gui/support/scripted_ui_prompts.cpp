#include "support/scripted_ui_prompts.h"

#include <QTest>

namespace wl::test {

namespace {

void Fail(const std::string& what) { QTest::qFail(what.c_str(), __FILE__, __LINE__); }

}  // namespace

ScriptedUiPrompts::~ScriptedUiPrompts() {
  if (!script_.empty()) Fail("never asked: " + script_.front().text);
}

std::optional<ScriptedUiPrompts::Step> ScriptedUiPrompts::Next(const Asked& a) {
  asked.push_back(a);
  if (script_.empty() || script_.front().kind != a.kind || script_.front().text != a.text) {
    Fail("not scripted: " + a.text + (script_.empty() ? "" : " (expected: " + script_.front().text + ")"));
    return std::nullopt;
  }
  Step step = std::move(script_.front());
  script_.pop_front();
  return step;
}

void ScriptedUiPrompts::ShowMessage(const std::string& text, Icon) { Next({Kind::Message, text}); }

bool ScriptedUiPrompts::AskYesNo(const std::string& text, Icon, bool defaultNo) {
  const std::optional<Step> step = Next({Kind::Question, text, defaultNo});
  return step && step->yes;
}

bool ScriptedUiPrompts::AskToStop(const std::string& text, Icon) {
  const std::optional<Step> step = Next({Kind::Question, text});
  return step && step->yes;
}

std::optional<std::string> ScriptedUiPrompts::AskWholeNumber(const std::string& text, int32_t initial) {
  const std::optional<Step> step = Next({Kind::Number, text, false, {}, std::to_string(initial)});
  return step ? step->choice : std::nullopt;
}

std::optional<FileDialogChoice> ScriptedUiPrompts::ChooseFile(const FileDialogRequest& request) {
  const std::optional<Step> step = Next({Kind::File, request.title, false, request});
  if (!step || !step->choice) return std::nullopt;
  return FileDialogChoice{*step->choice, step->filterIndex > 0 ? step->filterIndex : request.filterIndex};
}

std::optional<std::string> ScriptedUiPrompts::ChooseFolder(const std::string& title,
                                                           const std::string& initialFolder) {
  const std::optional<Step> step = Next({Kind::Folder, title, false, {}, initialFolder});
  return step ? step->choice : std::nullopt;
}

}  // namespace wl::test
