#pragma once
// The prompts of the window tests: the test scripts every message, question and dialog it expects,
// in order, with the answers. Anything else, or a script left unasked, fails the test; no test
// ever waits for a real dialog.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "track/ui_prompts.h"

namespace wl::test {

class ScriptedUiPrompts : public UiPrompts {
 public:
  enum class Kind { Message, Question, Number, File, Folder };
  struct Asked {
    Kind kind;
    std::string text;  // the message or question, or the dialog's title
    bool defaultNo = false;
    FileDialogRequest file;
    std::string initial;  // the folder the chooser starts in, the number the box starts with
  };

  ~ScriptedUiPrompts() override;

  void ExpectMessage(std::string text) { Expect(Kind::Message, std::move(text), false, {}); }
  void ExpectQuestion(std::string text, bool yes) { Expect(Kind::Question, std::move(text), yes, {}); }
  // The text typed, or nothing for a cancelled box.
  void ExpectNumber(std::string text, std::optional<std::string> typed) {
    Expect(Kind::Number, std::move(text), false, std::move(typed));
  }
  // A chosen file or folder, or nothing for a cancelled dialog; the file with the filter the
  // dialog started with, or the one given.
  void ExpectFile(std::string title, std::optional<std::string> file, int filterIndex = 0) {
    Expect(Kind::File, std::move(title), false, std::move(file), filterIndex);
  }
  void ExpectFolder(std::optional<std::string> folder) {
    Expect(Kind::Folder, "Select a Folder to list tracks from", false, std::move(folder));
  }

  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;
  bool AskToStop(const std::string& text, Icon icon) override;
  std::optional<std::string> AskWholeNumber(const std::string& text, int32_t initial) override;
  std::optional<FileDialogChoice> ChooseFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;

  std::vector<Asked> asked;  // in order, scripted or not

 private:
  struct Step {
    Kind kind;
    std::string text;
    bool yes;
    std::optional<std::string> choice;
    int filterIndex;
  };
  void Expect(Kind kind, std::string text, bool yes, std::optional<std::string> choice, int filterIndex = 0) {
    script_.push_back({kind, std::move(text), yes, std::move(choice), filterIndex});
  }
  // The scripted step for what is being asked; a failure when it is not the next one.
  std::optional<Step> Next(const Asked& asked);

  std::deque<Step> script_;
};

}  // namespace wl::test
