#pragma once
#include <string_view>

namespace wl {

// The program's number parser: blanks, tabs and line feeds anywhere are skipped; then sign,
// digits, ".", digits and an exponent ("E" or "D", either case) with digits. "." is the only
// decimal point. Text without a leading number gives 0. Correctly rounded; a magnitude beyond
// the double range gives +-infinity (callers that store the value must guard), one too small gives 0.
double ParseNumber(std::string_view text);

// As ParseNumber, and tells whether the text began with a number at all.
bool ParseLeadingNumber(std::string_view text, double& value);

}  // namespace wl
