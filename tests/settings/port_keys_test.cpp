#include "settings/port_keys.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

const PortTexts kRecommended{"1", "True", "2",    "1024",          "0", "0 - Text Mode", "True", "1024",
                             "?", "1",    "True", "4800, n, 8, 1", "1"};

TEST(PortKeys, RecommendedSetShownAndTakenBack) {
  EXPECT_EQ(PortValueTexts("1", PortProperties{}), kRecommended);
  PortTexts typed = kRecommended;
  typed[0] = " /dev/ttyUSB0 ";
  typed[2] = "0 - none";
  typed[5] = "1 - Binary Mode";
  typed[6] = "0";
  std::string port, error;
  PortProperties p;
  ASSERT_TRUE(PortValuesFromTexts(typed, port, p, error)) << error;
  EXPECT_EQ(port, "/dev/ttyUSB0");
  EXPECT_EQ(p.Handshaking, 0);
  EXPECT_EQ(p.InputMode, 1);
  EXPECT_FALSE(p.NullDiscard);

  // A first run, with no key stored, takes the recommended set.
  PortTexts absent;
  for (size_t i = 0; i < absent.size(); ++i) absent[i] = DefaultText(kPortRows[i].key);
  ASSERT_TRUE(PortValuesFromTexts(absent, port, p, error)) << error;
  EXPECT_EQ(PortValueTexts(port, p), kRecommended);
}

TEST(PortKeys, ValuesThePortCannotTakeAreNamed) {
  const struct {
    size_t row;
    const char* text;
    const char* error;
  } cases[] = {
      {0, " ", "Comm Port: \" \" names no port"},
      {0, "40000", "Comm Port: \"40000\" is not a whole number from 1 to 32767"},
      {1, "yes", "DTR Enable: \"yes\" is neither True nor False"},
      {2, "4 - both", "Handshaking: \"4 - both\" must begin with a digit from 0 to 3"},
      {3, "0", "In Buffer Size: \"0\" is not a whole number from 1 to 32767"},
      {5, "Text", "Input Mode: \"Text\" must begin with a digit from 0 to 1"},
      {11, "4800, x, 8, 1", "Settings: \"4800, x, 8, 1\" parity must be n, e, o, m or s"},
  };
  for (const auto& c : cases) {
    PortTexts typed = kRecommended;
    typed[c.row] = c.text;
    std::string port = "unchanged", error;
    PortProperties p;
    p.InBufferSize = 77;
    EXPECT_FALSE(PortValuesFromTexts(typed, port, p, error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(port + std::to_string(p.InBufferSize), "unchanged77");
  }
}

}  // namespace
}  // namespace wl
