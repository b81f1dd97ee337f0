#include "track/real48.h"

#include <cmath>

namespace wl {

double Pow2(int16_t n) { return std::ldexp(1.0, n); }

double Real48ToDbl(const Real48& b) {
  if (b[0] == 0) return 0;
  const double fraction =
      ((((b[1] / 256.0 + b[2]) / 256 + b[3]) / 256 + b[4]) / 256 + (b[5] & 127)) * 2 / 256 + 1;
  const double value = fraction * Pow2(static_cast<int16_t>(b[0] - 129));
  return (b[5] & 128) ? -value : value;
}

Real48 DblToReal48(double v) {
  Real48 out{};
  if (v == 0 || std::isnan(v)) return out;
  const uint8_t sign = std::signbit(v) ? 128 : 0;
  int e = 0;
  // frexp gives a fraction in [0.5, 1); the format wants [1, 2).
  const double a = std::isinf(v) ? 0 : std::frexp(std::fabs(v), &e) * 2;
  const int biased = e - 1 + 129;
  if (std::isinf(v) || biased > 255) {
    out = {255, 255, 255, 255, 255, static_cast<uint8_t>(127 | sign)};
    return out;
  }
  if (biased < 1) return out;
  // The 39 fraction bits, truncated; exact because a has at most 53 significant bits.
  const auto m = static_cast<uint64_t>((a - 1) * 549755813888.0);  // 2^39
  out[0] = static_cast<uint8_t>(biased);
  for (int i = 1; i <= 4; ++i) out[i] = static_cast<uint8_t>(m >> (8 * (i - 1)));
  out[5] = static_cast<uint8_t>(((m >> 32) & 127) | sign);
  return out;
}

}  // namespace wl
