#include "nav/tack_angle.h"

#include <gtest/gtest.h>

#include <climits>

namespace wl {
namespace {

TEST(TackAngle, AcceptanceAndPlainLeadingNumber) {
  struct Case {
    const char* in;
    bool accepted;
    const char* text;
  };
  for (const Case c : {Case{"0", true, "0"}, {"15", true, "15"}, {"60", true, "60"}, {"45.5", true, "45.5"},
                       {"abc", true, "0"}, {"", true, "0"}, {" 30abc", true, "30"}, {"-0", true, "0"},
                       {"4.5e1", true, "45"}, {"3 0", true, "30"}, {"14.9", false, "14.9"}, {"60.01", false, "60.01"},
                       {"-20.25", false, "-20.25"}, {"1", false, "1"}, {"1e999", false, "0"}}) {
    const auto r = CheckTackAngle(c.in);
    EXPECT_EQ(r.accepted, c.accepted) << c.in;
    EXPECT_EQ(r.text, c.text) << c.in;
  }
  EXPECT_STREQ(TackAngleMessage(), "TackAngle must be between 15 and 60\r\n or 0 to suppress automatic Tack analysis");
}

TEST(TackAngle, ValueRoundsHalfToEvenAndStaysInRange) {
  for (auto [text, value] : {std::pair{"30.5", 30}, {"31.5", 32}, {"30.6", 31}, {"-15.5", -16}, {"abc", 0},
                             {"1e300", INT_MAX}, {"-1e300", INT_MIN}, {"1e999", 0}})
    EXPECT_EQ(TackAngleValue(text), value) << text;
}

}  // namespace
}  // namespace wl
