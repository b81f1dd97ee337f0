#include "track/float_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace wl {
namespace {

TEST(ShortFloatText, ShortestPlainText) {
  EXPECT_EQ(ShortFloatText(23.41234f), "23.41234");
  EXPECT_EQ(ShortFloatText(0.1f), "0.1");
  EXPECT_EQ(ShortFloatText(23.4f), "23.4");
  EXPECT_EQ(ShortFloatText(1000.0f), "1000");  // not "1e+03"
  EXPECT_EQ(ShortFloatText(1234567.0f), "1234567");
  EXPECT_EQ(ShortFloatText(-3.5f), "-3.5");
  EXPECT_EQ(ShortFloatText(0.0001f), "0.0001");
  EXPECT_EQ(ShortFloatText(0.00012345f), "0.00012345");
}

TEST(ShortFloatText, AtMostSevenSignificantDigits) {
  EXPECT_EQ(ShortFloatText(1.0000001f), "1");  // needs 8 digits to read back: rounded to 7
  EXPECT_EQ(ShortFloatText(9.999999f), "9.999999");
  EXPECT_EQ(ShortFloatText(2.0f / 3.0f), "0.6666667");
}

TEST(ShortFloatText, ExponentOutsidePlainRange) {
  EXPECT_EQ(ShortFloatText(1e7f), "1e+07");
  EXPECT_EQ(ShortFloatText(12345678.0f), "1.234568e+07");
  EXPECT_EQ(ShortFloatText(1e-5f), "1e-05");
}

TEST(ShortFloatText, ZeroAndNonFinite) {
  EXPECT_EQ(ShortFloatText(0.0f), "0");
  EXPECT_EQ(ShortFloatText(-0.0f), "0");
  EXPECT_EQ(ShortFloatText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(ShortFloatText(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(ShortFloatText(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(ShortFloatText, ReadsBackWithinSevenDigits) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> dist(0.0001f, 9999.0f);
  for (int i = 0; i < 2000; ++i) {
    const float v = dist(rng);
    const std::string text = ShortFloatText(v);
    float back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-6f) << text;
    EXPECT_EQ(text.find('e'), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace wl
