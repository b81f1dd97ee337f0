#include "track/float_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace wl {
namespace {

TEST(ShortFloatText, ExactTexts) {
  const std::pair<float, const char*> cases[] = {
      {23.41234f, "23.41234"}, {0.1f, "0.1"}, {1000.0f, "1000"}, {1234567.0f, "1234567"}, {-3.5f, "-3.5"},
      {0.0001f, "0.0001"}, {0.00012345f, "0.00012345"},
      {1.0000001f, "1"},  // needs 8 digits to read back: rounded to 7
      {9.999999f, "9.999999"}, {2.0f / 3.0f, "0.6666667"}, {1e7f, "1e+07"}, {12345678.0f, "1.234568e+07"},
      {1e-5f, "1e-05"}, {0.0f, "0"}, {-0.0f, "0"}, {std::numeric_limits<float>::quiet_NaN(), "nan"},
      {std::numeric_limits<float>::infinity(), "inf"}, {-std::numeric_limits<float>::infinity(), "-inf"}};
  for (const auto& [v, want] : cases) EXPECT_EQ(ShortFloatText(v), want) << want;
}

}  // namespace
}  // namespace wl
