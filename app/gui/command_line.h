#pragma once
// The desktop program's command line: wakeline [--repair-heading] [FILE].
#include <string>
#include <vector>

namespace wl {

struct GuiCommandLine {
  std::string file;            // opened at start when not empty
  bool repairHeading = false;  // the heading repair of .trt files
  bool help = false;
  std::string error;           // a wrong command line, for the usage message
};

// A first argument beginning with "s" switches the heading repair on, as it always has, unless
// it names an existing file: then it is the file to open.
GuiCommandLine ParseGuiCommandLine(const std::vector<std::string>& args);

const char* GuiUsage();

}  // namespace wl
