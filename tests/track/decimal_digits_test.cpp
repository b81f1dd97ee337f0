#include "track/decimal_digits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace wl {
namespace {

// Checked against the library's correctly rounded conversion: "d.dddddddddddddde+xx".
void ExpectLibraryDigits(double v) {
  char buf[40];
  const std::string want(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr);
  const Digits15 d = SignificantDigits15(v);
  const std::string got = std::string{d.digits[0], '.'} + std::string(d.digits.data() + 1, 14);
  ASSERT_EQ(got, want.substr(0, 16)) << v;
  ASSERT_EQ(d.exponent, std::stoi(want.substr(17))) << v;
}

TEST(DecimalDigits, MatchTheLibrarysCorrectlyRoundedConversion) {
  for (double v : {0.0, 1.0, 2.675, 0.1, 1e-4, 9.999999999999999e-5, 1e15, 999999999999999.9, 99999999999999.99,
                   0.000999999999999999, 100000000000000.5, 100000000000001.5, 4.9e-324, 1.7976931348623157e308})
    ExpectLibraryDigits(v);
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> exponent(-6, 17);
  for (int i = 0; i < 50000; ++i) {
    double v;
    const uint64_t bits = rng() & 0x7FFFFFFFFFFFFFFFULL;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) ExpectLibraryDigits(v);
    const double w = std::pow(10.0, exponent(rng));
    ExpectLibraryDigits(w);
    ExpectLibraryDigits(std::round(w * 2) / 2);  // many exact halves at the 16th digit
  }
}

}  // namespace
}  // namespace wl
