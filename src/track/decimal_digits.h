#pragma once
// The 15-significant-digit decimal form of a double, the basis of every number pattern.
#include <array>

namespace wl {

// magnitude ~ d0.d1...d14 x 10^exponent, correctly rounded with ties to even (the digits
// std::to_chars gives in scientific form with precision 14). Zero gives all '0' and exponent 0.
struct Digits15 {
  std::array<char, 15> digits;
  int exponent;
};

// magnitude must be finite and not negative.
Digits15 SignificantDigits15(double magnitude);

}  // namespace wl
