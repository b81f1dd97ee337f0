#include "nav/hours_text.h"

#include <cstdlib>

#include "track/date_format.h"
#include "track/number_format.h"

namespace wl {

std::string HoursSpanText(double days, std::string_view hoursPattern) {
  const int64_t seconds = std::llabs(SpanSeconds(days));
  std::string text = FormatNumber(static_cast<double>(seconds / 3600), hoursPattern);
  const int64_t minutes = seconds / 60 % 60;
  const int64_t secs = seconds % 60;
  const char field[] = {':', static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10),
                        ':', static_cast<char>('0' + secs / 10),    static_cast<char>('0' + secs % 10)};
  text.append(field, sizeof field);
  return text;
}

}  // namespace wl
