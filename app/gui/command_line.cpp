#include "app/gui/command_line.h"

#include <filesystem>

namespace wl {

GuiCommandLine ParseGuiCommandLine(const std::vector<std::string>& args) {
  GuiCommandLine c;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::error_code ec;
    if (a == "--repair-heading") {
      c.repairHeading = true;
    } else if (a == "--help" || a == "-h") {
      c.help = true;
    } else if (i == 0 && a.starts_with('s') && !std::filesystem::exists(a, ec)) {
      c.repairHeading = true;
    } else if (a.starts_with('-') && a.size() > 1) {
      c.error = "unknown option " + a;
    } else if (c.file.empty()) {
      c.file = a;
    } else {
      c.error = "only one FILE can be opened";
    }
  }
  return c;
}

const char* GuiUsage() {
  return "usage: wakeline [--repair-heading] [FILE]\n"
         "  Opens the Wakeline window, with FILE (.trc or .trt) when given.\n"
         "  --repair-heading  repair swapped headings of .trt files (also: a first argument beginning with \"s\")\n";
}

}  // namespace wl
