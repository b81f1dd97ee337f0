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

}  // namespace
}  // namespace wl
