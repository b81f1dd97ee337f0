#include "cli_prompts.h"

#include <cstdio>

namespace wl::cli {

std::string PromptLine(const std::string& text) {
  std::string line = "wakeline: ";
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += " / ";
    } else {
      line += c;
    }
  }
  line += '\n';
  return line;
}

void CliPrompts::ShowMessage(const std::string& text, Icon) {
  std::string line = PromptLine(text);
  std::fwrite(line.data(), 1, line.size(), stderr);
}

bool CliPrompts::AskYesNo(const std::string&, Icon, bool) { return true; }

}  // namespace wl::cli
