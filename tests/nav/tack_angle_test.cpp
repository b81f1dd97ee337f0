#include "nav/tack_angle.h"

#include <gtest/gtest.h>

#include <climits>

namespace wl {
namespace {

// The box keeps the plain leading number; detection reads it rounded half to even. The refusal
// message is pinned by the command-line usage test.
TEST(TackAngle, AcceptanceTextAndValue) {
  struct Case {
    const char* in;
    bool accepted;
    const char* text;
    int value;
  };
  for (const Case c : {Case{"0", true, "0", 0}, {"15", true, "15", 15}, {"60", true, "60", 60},
                       {"30.5", true, "30.5", 30}, {"31.5", true, "31.5", 32}, {"abc", true, "0", 0},
                       {" 30abc", true, "30", 30}, {"-0", true, "0", 0}, {"4.5e1", true, "45", 45},
                       {"3 0", true, "30", 30}, {"14.9", false, "14.9", 15}, {"60.01", false, "60.01", 60},
                       {"-15.5", false, "-15.5", -16}, {"1", false, "1", 1}, {"1e999", false, "0", 0}}) {
    const auto r = CheckTackAngle(c.in);
    EXPECT_EQ(r.accepted, c.accepted) << c.in;
    EXPECT_EQ(r.text, c.text) << c.in;
    EXPECT_EQ(TackAngleValue(c.in), c.value) << c.in;
  }
  EXPECT_EQ(TackAngleValue("1e300"), INT_MAX);
  EXPECT_EQ(TackAngleValue("-1e300"), INT_MIN);
}

}  // namespace
}  // namespace wl
