#include "track/decimal_digits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace wl {
namespace {

std::string Reference(double v) {
  char buf[40];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr);
}

std::string Shown(double v) {
  const Digits15 d = SignificantDigits15(v);
  const int n = d.exponent;
  std::string s{d.digits[0], '.'};
  s.append(d.digits.data() + 1, 14);
  s += n < 0 ? "e-" : "e+";
  const std::string e = std::to_string(n < 0 ? -n : n);
  return s + (e.size() < 2 ? "0" : "") + e;
}

TEST(DecimalDigits, MatchesTheLibraryConversion) {
  for (double v : {0.0, 1.0, 2.675, 0.1, 1e-4, 9.999999999999999e-5, 1e15, 999999999999999.9,
                   99999999999999.99, 0.000999999999999999, 100000000000000.5, 100000000000001.5,
                   4.9e-324, 1.7976931348623157e308, 5e-5, 123456.789}) {
    EXPECT_EQ(Shown(v), Reference(v)) << v;
  }
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> exponent(-6, 17);
  for (int i = 0; i < 50000; ++i) {
    double v;
    const uint64_t bits = rng() & 0x7FFFFFFFFFFFFFFFULL;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) {
      ASSERT_EQ(Shown(v), Reference(v)) << v;
    }
    const double w = std::pow(10.0, exponent(rng));
    ASSERT_EQ(Shown(w), Reference(w)) << w;
    const double h = std::round(w * 2) / 2;  // many exact halves at the 16th digit
    ASSERT_EQ(Shown(h), Reference(h)) << h;
  }
}

}  // namespace
}  // namespace wl
