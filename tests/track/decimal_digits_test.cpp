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
  char* end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
  return std::string(buf, end);
}

std::string Shown(double v) {
  const Digits15 d = SignificantDigits15(v);
  char exp[8];
  const int n = d.exponent;
  std::string s{d.digits[0], '.'};
  s.append(d.digits.data() + 1, 14);
  s += n < 0 ? "e-" : "e+";
  char* end = std::to_chars(exp, exp + sizeof exp, n < 0 ? -n : n).ptr;
  if (end - exp < 2) s += '0';
  s.append(exp, end);
  return s;
}

TEST(DecimalDigits, MatchesTheLibraryConversion) {
  for (double v : {0.0, 1.0, 2.675, 0.1, 1e-4, 9.999999999999999e-5, 1e15, 999999999999999.9,
                   99999999999999.99, 0.000999999999999999, 100000000000000.5, 100000000000001.5,
                   4.9e-324, 1.7976931348623157e308, 5e-5, 123456.789}) {
    EXPECT_EQ(Shown(v), Reference(v)) << v;
  }
  // Random bit patterns over the whole range, and random values where tables live.
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
