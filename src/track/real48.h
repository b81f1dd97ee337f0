#pragma once
// The 48-bit real in which TRC files store the speed over ground.
#include <cstdint>

#include "track/track_rec.h"

namespace wl {

double Pow2(int16_t n);
double Real48ToDbl(const Real48& bytes);
// Exponents outside the format's range give 0 (too small) or the largest magnitude (too large).
Real48 DblToReal48(double v);

}  // namespace wl
