// The conversions between values and texts, from the cases in text_cases.tsv.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/test_support.h"
#include "track/date_format.h"
#include "track/float_text.h"
#include "track/latlon_text.h"
#include "track/local_time.h"
#include "track/number_format.h"
#include "track/number_parser.h"
#include "track/real48.h"
#include "track/track_reader.h"

namespace wl {
namespace {

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] == '\\' && i + 1 < text.size() ? text[++i] : 0;
    out += c == 0 ? text[i] : c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

// A number, "12s" as seconds in days, or a date and time "2008-05-03 14:05:09.6" in days.
double Value(const std::string& text) {
  int y, mo, d, h, mi;
  double s;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%lf", &y, &mo, &d, &h, &mi, &s) == 6)
    return static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
  return std::strtod(text.c_str(), nullptr) / (text.ends_with('s') ? 86400 : 1);
}

std::string Number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

Real48 FromHex(const std::string& hex) {
  Real48 bytes{};
  for (size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
  return bytes;
}

std::string Hex(const Real48& bytes) {
  std::string hex;
  for (const uint8_t b : bytes) hex += {"0123456789abcdef"[b >> 4], "0123456789abcdef"[b & 15]};
  return hex;
}

std::string Text(const std::string& function, const std::string& input, const std::string& arg) {
  const double v = Value(input);
  if (function == "number") return FormatNumber(v, arg, '.');
  if (function == "comma") return FormatNumber(v, arg, ',');
  if (function == "point") return FormatPoint(static_cast<float>(v), arg);
  if (function == "date") return FormatDate(v, arg);
  if (function == "span") return std::to_string(SpanSeconds(v));
  if (function == "float") return ShortFloatText(std::strtof(input.c_str(), nullptr));
  if (function == "lat") return LatText(static_cast<int32_t>(v), static_cast<int16_t>(std::stoi(arg)));
  if (function == "lon") return LonText(static_cast<int32_t>(v), static_cast<int16_t>(std::stoi(arg)));
  if (function == "real48") return Hex(DblToReal48(v));
  if (function == "real48value") return Number(Real48ToDbl(FromHex(input)));
  if (function == "parse") return Number(ParseNumber(Unescape(input)));
  if (function == "hdgcorrect") return Number(HDGcorrect(static_cast<float>(v), std::strtof(arg.c_str(), nullptr)));
  double d = 7;
  if (function == "leading") return ParseLeadingNumber(input, d) ? Number(d) : d == 0 ? "false" : "false, not 0";
  if (function == "offset") return Number(TimeOffsetDays(input));
  if (function == "trttime") return ParseTrtTime(input, d) ? Number(d) : d == 0 ? "false" : "false, not 0";
  return "no function " + function;
}

// The results of the text functions are compared as texts, the others as numbers.
TEST(TextCases, EveryLineOfTheTable) {
  std::ifstream in(test::SourcePath("tests/track/text_cases.tsv"));
  ASSERT_TRUE(in.is_open());
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '\t');) cells.push_back(cell);
    cells.resize(4);
    const std::string texts = " number comma point date float lat lon real48 ";
    const bool text = texts.find(" " + cells[0] + " ") != std::string::npos;
    const std::string want = text || cells[3] == "false" ? Unescape(cells[3]) : Number(Value(cells[3]));
    EXPECT_EQ(Text(cells[0], cells[1], cells[2]), want) << "text_cases.tsv:" << number << ": " << line;
  }
}

TEST(NumberFormat, FollowsTheLocaleSeparatorButFormatPointDoesNot) {
  EXPECT_EQ(LocaleDecimalSeparator(), '.');  // the C locale
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
  const auto use = [](const char* name) { return std::setlocale(LC_NUMERIC, name) != nullptr; };
  if (std::none_of(std::begin(names), std::end(names), use)) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(FormatNumber(7.5, "0.0"), "7,5");
  EXPECT_EQ(FormatPoint(7.5f, "0.0"), "7.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace wl
