#pragma once
// A span as whole hours followed by ":mm:ss", the hours counting on past a day (27:05:10).
#include <string>
#include <string_view>

namespace wl {

// days is the span as a day count; it is rounded to whole seconds first and shown by its size.
// hoursPattern is "0" (0:01:00) or "#" (nothing before the colon under one hour: ":01:00").
std::string HoursSpanText(double days, std::string_view hoursPattern);

}  // namespace wl
