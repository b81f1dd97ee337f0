// What the settings boxes make of typed text, row by row from box_texts.tsv.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "nav/tack_angle.h"
#include "nmea/port_properties.h"
#include "settings/locale_number.h"
#include "settings/port_keys.h"
#include "settings/setting_checks.h"
#include "support/test_support.h"

namespace wl {
namespace {

using Args = std::vector<std::string>;

// The values, separated by blanks; truth values as true and false.
template <typename... T>
std::string Join(const T&... values) {
  std::ostringstream s;
  s << std::boolalpha;
  ((s << values << ' '), ...);
  return s.str().substr(0, s.str().size() - 1);
}

const std::map<std::string, std::function<std::string(const Args&)>> kChecks = {
    {"TackAngle",
     [](const Args& a) {
       const TackAngleCheck box = CheckTackAngle(a[1]);
       return Join(box.accepted ? "taken" : "refused", box.text, TackAngleValue(a[1]));
     }},
    {"CheckSimRate", [](const Args& a) { return CheckSimRate(a[1]); }},
    {"TimeOffsetText", [](const Args& a) { return TimeOffsetText(a[1]).value_or("(none)"); }},
    {"CheckSimValue", [](const Args& a) { return CheckSimValue(a[1], std::stoi(a[2])); }},
    {"CheckWindDirection", [](const Args& a) { return CheckWindDirection(a[1]); }},
    {"CheckWindAngles",
     [](const Args& a) {
       const WindAngles w = CheckWindAngles(a[1], a[2], a[3]);
       return Join(w.values[0], w.values[1], w.values[2], w.ordered ? "ordered" : "unordered");
     }},
    {"PlotSpeedRefusal",
     [](const Args& a) { return PlotSpeedRefusal(a[1] == "low" ? SpeedLimit::Low : SpeedLimit::High, a[2], a[3]); }},
    {"PlotShowText",
     [](const Args& a) { return Join(ClickedPlotShowText(std::stoi(a[1])), ScrolledPlotShowText(std::stoi(a[1]))); }},
    {"TcpPortValue", [](const Args& a) { return TcpPortValue(a[1]) ? Join(*TcpPortValue(a[1])) : "(none)"; }},
    {"IsUdpTarget", [](const Args& a) { return Join(IsUdpTarget(a[1])); }},
    {"ReadBoolText", [](const Args& a) { return Join(ReadBoolText(a[1], a[2] == "true")); }},
    {"OneDecimalText", [](const Args& a) { return OneDecimalText(std::stof(a[1])); }},
    {"InputModeText", [](const Args& a) { return InputModeText(a[1]); }},
    {"ReadLocaleNumber",
     [](const Args& a) {
       double v = -99;
       return ReadLocaleNumber(a[1], v) ? Join(v) : Join("(refused)", v);
     }},
    {"ReadLocaleWhole",
     [](const Args& a) {
       int32_t v = -99;
       return ReadLocaleWhole(a[1], std::stoi(a[2]), std::stoi(a[3]), v) ? Join(v) : Join("(refused)", v);
     }},
    {"ParseLineSettings",
     [](const Args& a) {
       LineSettings line;
       line.speed = 1234;
       std::string error;
       if (!ParseLineSettings(a[1], line, error)) return Join(line.speed, error);
       const char* stopBits[] = {"1", "1.5", "2"};
       return Join(line.speed, "neoms"[static_cast<int>(line.parity)], line.dataBits,
                   stopBits[static_cast<int>(line.stopBits)]);
     }},
    {"PortValuesFromTexts",
     [](const Args& a) {
       PortTexts typed = PortValueTexts("1", PortProperties{});
       typed[std::stoul(a[1])] = a[2];
       std::string port = "unchanged", error;
       PortProperties p;
       p.InBufferSize = 77;
       if (!PortValuesFromTexts(typed, port, p, error)) return Join(port, p.InBufferSize, error);
       return Join("taken", port, p.Handshaking, p.InputMode, p.NullDiscard);
     }},
};

TEST(BoxTexts, EachRowGivesItsText) {
  std::istringstream table(test::ReadFile(test::SourcePath("tests/settings/box_texts.tsv")));
  std::map<std::string, int> rows;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    Args fields;
    std::istringstream split(line + '\t');
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    ASSERT_TRUE(kChecks.contains(fields[0])) << line;
    EXPECT_EQ(kChecks.at(fields[0])(fields), fields.back()) << line;
    ++rows[fields[0]];
  }
  EXPECT_EQ(rows.size(), kChecks.size());
}


const PortTexts kRecommended{"1", "True", "2",    "1024",          "0", "0 - Text Mode", "True", "1024",
                             "?", "1",    "True", "4800, n, 8, 1", "1"};

TEST(PortKeys, RecommendedSetShownAndTakenBack) {
  EXPECT_EQ(PortValueTexts("1", PortProperties{}), kRecommended);
  // A first run, with no key stored, takes the recommended set; typed values are in box_texts.tsv.
  std::string port, error;
  PortProperties p;
  PortTexts absent;
  for (size_t i = 0; i < absent.size(); ++i) absent[i] = DefaultText(kPortRows[i].key);
  ASSERT_TRUE(PortValuesFromTexts(absent, port, p, error)) << error;
  EXPECT_EQ(PortValueTexts(port, p), kRecommended);
}

}  // namespace
}  // namespace wl
