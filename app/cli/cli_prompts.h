#pragma once
// The command line's prompts: messages go to stderr as one line each. Every question the command
// line meets is one its flags have answered (--delete, --insert, --force): it is answered Yes
// unshown, and a command that may not go on answers No itself.
#include <string>

#include "track/prompts.h"

namespace wl::cli {

// "wakeline: " + text on one line: each CR LF, lone CR or lone LF becomes " / ".
std::string PromptLine(const std::string& text);

class CliPrompts : public Prompts {
 public:
  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;
};

}  // namespace wl::cli
