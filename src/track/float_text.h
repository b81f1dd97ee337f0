#pragma once
// A 32-bit float as short plain text, as totals are shown to the user ("23.41234").
#include <string>

namespace wl {

// The shortest text (at most 7 significant digits) that reads back as the same float; when
// none does, the value rounded to 7 significant digits. Plain notation for magnitudes from 1e-4
// up to below 1e7, otherwise an exponent as C's %g writes it ("1.5e+07"). "." as decimal point;
// negative zero gives "0"; NaN and infinities give "nan", "inf", "-inf".
std::string ShortFloatText(float v);

}  // namespace wl
