#include "track/decimal_digits.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace wl {
namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr uint64_t kPow10[] = {1ULL,
                               10ULL,
                               100ULL,
                               1000ULL,
                               10000ULL,
                               100000ULL,
                               1000000ULL,
                               10000000ULL,
                               100000000ULL,
                               1000000000ULL,
                               10000000000ULL,
                               100000000000ULL,
                               1000000000000ULL,
                               10000000000000ULL,
                               100000000000000ULL,
                               1000000000000000ULL,
                               10000000000000000ULL,
                               100000000000000000ULL,
                               1000000000000000000ULL,
                               10000000000000000000ULL};

Digits15 ViaToChars(double magnitude) {
  char sci[32];  // "d.dddddddddddddde+XX"
  const char* end =
      std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 14).ptr;
  Digits15 d;
  d.digits[0] = sci[0];
  for (int i = 1; i < 15; ++i) d.digits[i] = sci[i + 1];
  int exp = 0;
  for (const char* q = sci + 18; q < end; ++q) exp = exp * 10 + (*q - '0');
  d.exponent = sci[17] == '-' ? -exp : exp;
  return d;
}

void WriteDigits(char* out, uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

// Exact integer arithmetic for the values tables and sentences show (1e-4 up to 1e15), several
// times faster than the general conversion: magnitude = m / 2^shift, scaled by a power of ten.
bool ViaIntegers(double magnitude, Digits15& d) {
  const auto bits = std::bit_cast<uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  const uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
  const int shift = 1075 - biased;
  if (biased == 0 || shift < 1 || shift > 100) return false;
  // floor((biased - 1023) * log10(2)): a lower bound of the decimal exponent, at most one too small.
  int exponent = ((biased - 1023) * 78913) >> 18;
  for (;;) {
    const int scale = 14 - exponent;
    if (scale < 0 || scale > 19) return false;
    const Uint128 scaled = static_cast<Uint128>(m) * kPow10[scale];
    auto q = static_cast<uint64_t>(scaled >> shift);
    if (q >= kPow10[15]) {
      ++exponent;
      continue;
    }
    if (q < kPow10[14]) return false;  // the bound above was wrong after all
    const Uint128 rest = scaled - (static_cast<Uint128>(q) << shift);
    const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
    if (rest > half || (rest == half && (q & 1))) ++q;
    if (q == kPow10[15]) {
      q = kPow10[14];
      ++exponent;
    }
    WriteDigits(d.digits.data(), static_cast<uint32_t>(q / 100000000), 7);
    WriteDigits(d.digits.data() + 7, static_cast<uint32_t>(q % 100000000), 8);
    d.exponent = exponent;
    return true;
  }
}

}  // namespace

Digits15 SignificantDigits15(double magnitude) {
  Digits15 d;
  if (magnitude >= 1e-4 && magnitude < 1e15 && ViaIntegers(magnitude, d)) return d;
  return ViaToChars(magnitude);
}

}  // namespace wl
