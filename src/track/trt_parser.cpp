#include "track/trt_parser.h"

#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <limits>

#include "track/local_time.h"
#include "track/number_format.h"
#include "track/number_parser.h"
#include "track/real48.h"

namespace wl {

namespace {

// The logger's own value of pi; results must match its files to the last bit.
constexpr double kPi = 3.14159265358979;
constexpr size_t kFieldCount = 16;
using Fields = std::array<std::string_view, kFieldCount>;

// The line starting at pos. CR LF, a lone CR and a lone LF each end a line; the end of the text
// after a line end is not a further line.
std::string_view NextLine(std::string_view text, size_t& pos) {
  size_t end = pos;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  std::string_view line = text.substr(pos, end - pos);
  if (end < text.size()) end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
  pos = end;
  return line;
}

// Fields 0..15; further fields stay in the line untouched.
bool SplitFields(std::string_view line, Fields& f) {
  size_t start = 0;
  for (size_t i = 0; i < kFieldCount; ++i) {
    const size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      if (i + 1 < kFieldCount) return false;
      f[i] = line.substr(start);
    } else {
      f[i] = line.substr(start, comma - start);
      start = comma + 1;
    }
  }
  return true;
}

// Rounded half to even, refused when the stored integer cannot hold it (NaN included).
template <typename Int>
bool RoundTo(double v, Int& out) {
  const double r = std::nearbyint(v);
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max())))
    return false;
  out = static_cast<Int>(r);
  return true;
}

bool ToFloat(double v, float& out) {
  if (!(std::fabs(v) <= static_cast<double>(FLT_MAX))) return false;
  out = static_cast<float>(v);
  return true;
}

// Wind angles: a reading above 180 degrees is stored minus 360, decided on the double.
bool WindAngle(double radians, float& out) {
  double deg = radians * 180 / kPi;
  if (deg > 180) deg -= 360;
  return ToFloat(deg, out);
}

double Field(const Fields& f, size_t i) { return ParseNumber(f[i]); }

struct Context {
  const ReaderSettings& settings;
  double deviation;  // DefaultDeviation as a number
};

// The heading in degrees, by the true-heading rule or as recorded.
bool Heading(const Fields& f, const Context& c, double f14, float& hdg) {
  if (!c.settings.useTrueHeading) return ToFloat(f14 * 180 / kPi, hdg);
  const double f6 = Field(f, 6);
  const double sum = f6 == 0 ? f14 * 180 / kPi + c.deviation + 360 : (f14 + f6) * 180 / kPi + 360;
  const double rounded = std::nearbyint(sum);
  if (!std::isfinite(rounded)) return false;
  double deg = std::fmod(rounded, 360.0);
  if (deg < 0) deg += 360;
  hdg = static_cast<float>(deg + 0.0);  // no -0 from a sum of -360
  return true;
}

// Every value of a point line except its time and text; false when one cannot be stored.
bool ReadValues(const Fields& f, const Context& c, TrackRec& r) {
  r = TrackRec{};
  const double f14 = Field(f, 14);
  if (!RoundTo(Field(f, 1) * 60000, r.Pos.Lat) || !RoundTo(Field(f, 2) * 60000, r.Pos.Lon) ||
      !RoundTo(Field(f, 4) * 1800 / kPi, r.COG) || !ToFloat(Field(f, 3), r.SOG) ||
      !RoundTo(Field(f, 7) * 10, r.Depth) || !ToFloat(Field(f, 10) * 180 / kPi, r.TWD) ||
      !ToFloat(Field(f, 11) * 3600 / 1854, r.TWS) || !WindAngle(Field(f, 8), r.TWA) ||
      !ToFloat(Field(f, 12) * 3600 / 1854, r.AWS) || !WindAngle(Field(f, 9), r.AWA) ||
      !Heading(f, c, f14, r.HDG) || !ToFloat(Field(f, 15), r.WaterS))
    return false;
  r.SOGReal = DblToReal48(static_cast<double>(r.SOG));
  if (c.settings.repairHeading) {
    float recorded;
    if (!ToFloat(f14 * 180 / kPi, recorded)) return false;
    r.HDG = HDGcorrect(recorded, static_cast<float>(r.COG / 10.0));
  }
  return true;
}

// Field 14 rewritten from the repaired heading, "%.15g" in any locale.
void AppendRepairedLine(std::string& out, std::string_view line, std::string_view field14, float hdg) {
  const size_t from = static_cast<size_t>(field14.data() - line.data());
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(hdg) * kPi / 180,
                                 std::chars_format::general, 15);
  out.append(line.substr(0, from));
  out.append(buf, res.ptr);
  out.append(line.substr(from + field14.size()));
}

bool IsComment(std::string_view line) { return line.size() >= 2 && line[0] == '/' && line[1] == '*'; }

void AddComment(std::string& comments, std::string_view line, int32_t n) {
  if (comments.empty()) {
    comments = "---- ";
  } else {
    comments += "\r\n";
    comments += FormatNumber(static_cast<double>(n), "0000");
    comments += ' ';
  }
  comments += line;
}

}  // namespace

TrtParse ParseTrtText(std::string_view text, const ReaderSettings& settings, TrackBlock& block,
                      std::string& comments, bool& ctNoticeDone, Prompts& prompts) {
  block.text.clear();
  const Context c{settings, ParseNumber(settings.defaultDeviation)};
  // A line longer than its reference can address could not be written back.
  constexpr size_t kMaxText = std::numeric_limits<uint32_t>::max();
  TrtParse result;
  int32_t& n = result.points;
  Fields f;
  size_t pos = 0;
  while (pos < text.size()) {
    if (n >= kTrackCapacity) {
      result.truncated = true;
      break;
    }
    const std::string_view line = NextLine(text, pos);
    if (line.empty()) continue;
    if (IsComment(line)) {
      AddComment(comments, line, n);
      continue;
    }
    TrackRec& r = block.recs[static_cast<size_t>(n)];
    if (!SplitFields(line, f) || !ReadValues(f, c, r) || line.size() + 64 > kMaxText - block.text.size()) {
      ++result.skipped;
      continue;
    }
    // Last, so that a line refused above cannot trigger the summertime notice.
    r.Time = CTToUTC(f[0], true, settings.timeOffset, ctNoticeDone, prompts);
    const size_t offset = block.text.size();
    if (settings.repairHeading)
      AppendRepairedLine(block.text, line, f[14], r.HDG);
    else
      block.text.append(line);
    r.Line = {static_cast<uint32_t>(offset), static_cast<uint32_t>(block.text.size() - offset)};
    ++n;
  }
  return result;
}

}  // namespace wl
