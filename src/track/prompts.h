#pragma once
// How the core talks to the user: the CLI prints, the desktop program shows boxes, tests script.
#include <string>

namespace wl {

enum class Icon { None, Exclamation, Information, Question, Critical };

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A modal message with an OK button; line breaks are CR LF as in the message texts.
  virtual void ShowMessage(const std::string& text, Icon icon) = 0;
  // A Yes/No question; returns true for Yes.
  virtual bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) = 0;
};

// Swallows messages and answers Yes: for callers that check results themselves (fuzzing, benchmarks).
class SilentPrompts : public Prompts {
 public:
  void ShowMessage(const std::string&, Icon) override {}
  bool AskYesNo(const std::string&, Icon, bool) override { return true; }
};

}  // namespace wl
