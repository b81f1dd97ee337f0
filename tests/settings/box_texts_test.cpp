// What the settings boxes make of typed text, row by row from box_texts.tsv.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "settings/locale_number.h"
#include "settings/port_keys.h"
#include "settings/setting_checks.h"
#include "support/test_support.h"

namespace wl {
namespace {

using Args = std::vector<std::string>;

std::string Shown(bool b) { return b ? "true" : "false"; }

std::string Shown(double v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

const std::map<std::string, std::function<std::string(const Args&)>> kChecks = {
    {"CheckSimRate", [](const Args& a) { return CheckSimRate(a[1]); }},
    {"TimeOffsetText", [](const Args& a) { return TimeOffsetText(a[1]).value_or("(none)"); }},
    {"CheckSimValue", [](const Args& a) { return CheckSimValue(a[1], std::stoi(a[2])); }},
    {"CheckWindDirection", [](const Args& a) { return CheckWindDirection(a[1]); }},
    {"CheckWindAngles",
     [](const Args& a) {
       const WindAngles w = CheckWindAngles(a[1], a[2], a[3]);
       std::ostringstream s;
       s << w.values[0] << " " << w.values[1] << " " << w.values[2] << (w.ordered ? " ordered" : " unordered");
       return s.str();
     }},
    {"PlotSpeedRefusal",
     [](const Args& a) { return PlotSpeedRefusal(a[1] == "low" ? SpeedLimit::Low : SpeedLimit::High, a[2], a[3]); }},
    {"PlotShowText",
     [](const Args& a) {
       const int32_t top = std::stoi(a[1]);
       return std::to_string(ClickedPlotShowText(top)) + " " + std::to_string(ScrolledPlotShowText(top));
     }},
    {"TcpPortValue",
     [](const Args& a) {
       const auto port = TcpPortValue(a[1]);
       return port ? std::to_string(*port) : "(none)";
     }},
    {"IsUdpTarget", [](const Args& a) { return Shown(IsUdpTarget(a[1])); }},
    {"ReadBoolText", [](const Args& a) { return Shown(ReadBoolText(a[1], a[2] == "true")); }},
    {"OneDecimalText", [](const Args& a) { return OneDecimalText(std::stof(a[1])); }},
    {"InputModeText", [](const Args& a) { return InputModeText(a[1]); }},
    {"ReadLocaleNumber",
     [](const Args& a) {
       double v = -99;
       return ReadLocaleNumber(a[1], v) ? Shown(v) : v == -99 ? "(refused)" : "(changed)";
     }},
    {"ReadLocaleWhole",
     [](const Args& a) {
       int32_t v = -99;
       const bool taken = ReadLocaleWhole(a[1], std::stoi(a[2]), std::stoi(a[3]), v);
       return taken ? Shown(static_cast<double>(v)) : v == -99 ? "(refused)" : "(changed)";
     }},
};

TEST(BoxTexts, EachRowGivesItsText) {
  std::istringstream table(test::ReadFile(test::SourcePath("tests/settings/box_texts.tsv")));
  std::map<std::string, int> rows;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    Args fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (line.back() == '\t') fields.push_back("");
    ASSERT_TRUE(kChecks.contains(fields[0])) << line;
    EXPECT_EQ(kChecks.at(fields[0])(fields), fields.back()) << line;
    ++rows[fields[0]];
  }
  EXPECT_EQ(rows.size(), kChecks.size());
}

}  // namespace
}  // namespace wl
