#include "cmd_plot_options.h"

#include <charconv>
#include <limits>

#include "cli_command.h"
#include "nmea_options.h"

namespace wl::cli {

namespace {

// A drawing area needs more than the margins: 788 twips across, 1638 down.
constexpr int32_t kMinWidth = 789, kMinHeight = 1639;
// Keeps the image within a few hundred megabytes.
constexpr int32_t kMaxSide = 150000;

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size();
}

// "A<sep>B<sep>C..." into parts.
std::vector<std::string_view> Split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  for (size_t at; (at = text.find(sep)) != std::string_view::npos; text.remove_prefix(at + 1))
    parts.push_back(text.substr(0, at));
  parts.push_back(text);
  return parts;
}

int ParseSize(const std::string& text, PlotCliOptions& o) {
  const auto parts = Split(text, 'x');
  int32_t w = 0, h = 0;
  if (parts.size() != 2 || !ParseWhole(parts[0], w) || !ParseWhole(parts[1], h) || w < kMinWidth || h < kMinHeight ||
      w > kMaxSide || h > kMaxSide)
    return UsageError("--size needs WxH in twips, W from " + std::to_string(kMinWidth) + " and H from " +
                      std::to_string(kMinHeight) + " up to " + std::to_string(kMaxSide) + ", not \"" + text + "\"");
  o.width = w;
  o.height = h;
  return kExitOk;
}

int ParseSpeed(const std::string& text, PlotCliOptions& o) {
  const auto parts = Split(text, ':');
  double low = 0, high = 0;
  if (parts.size() != 2 || !ParseWhole(parts[0], low) || !ParseWhole(parts[1], high) || !(low >= 0) ||
      !(high >= low) || !(high <= 99))
    return UsageError("--speed needs LOW:HIGH in knots with 0 <= LOW <= HIGH <= 99, not \"" + text + "\"");
  o.plot.speedLow = static_cast<float>(low);
  o.plot.speedHigh = static_cast<float>(high);
  o.speedFixed = true;
  return kExitOk;
}

int ParseWindAngles(const std::string& text, PlotCliOptions& o) {
  const auto parts = Split(text, ':');
  int32_t v[3] = {};
  bool ok = parts.size() == 3;
  for (size_t i = 0; ok && i < 3; ++i) ok = ParseWhole(parts[i], v[i]) && v[i] >= 0;
  if (!ok || !(v[0] < v[1] && v[1] < v[2]))
    return UsageError("--wa needs MIN:MED:MAX in whole degrees, increasing, not \"" + text + "\"");
  o.plot.WAmin = v[0];
  o.plot.WAmed = v[1];
  o.plot.WAmax = v[2];
  return kExitOk;
}

int ParseTextMode(const std::string& text, PlotCliOptions& o) {
  if (text == "all") {
    o.plot.showText = kShowTextAll;
  } else if (text == "nothing") {
    o.plot.showText = kShowTextNothing;
  } else if (text == "tack-wait") {
    o.plot.showText = kShowTextTackWait;
  } else {
    return UsageError("--text needs all, nothing or tack-wait, not \"" + text + "\"");
  }
  return kExitOk;
}

}  // namespace

int ParsePlotOptions(std::vector<std::string>& args, PlotCliOptions& o) {
  std::optional<std::string> size, text, speed, wa, png, pdf;
  std::optional<int32_t> cursor;
  for (auto [flag, value] : {std::pair{"--size", &size}, {"--text", &text}, {"--speed", &speed}, {"--wa", &wa},
                             {"--png", &png}, {"--pdf", &pdf}})
    if (int rc = TakeTextOption(args, flag, *value)) return rc;
  constexpr auto kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
  if (int rc = TakeWholeOption(args, "--cursor", kMin, kMax, cursor)) return rc;
  o.plot.black = TakeFlag(args, "--black");
  o.plot.showWind = TakeFlag(args, "--wind");
  const bool ui = TakeFlag(args, "--ui"), point = TakeFlag(args, "--point");
  const bool primitives = TakeFlag(args, "--primitives");
  if (ui && point) return UsageError("plot: --ui and --point exclude each other");
  o.plot.uiData = !point;
  if ((png ? 1 : 0) + (pdf ? 1 : 0) + (primitives ? 1 : 0) != 1)
    return UsageError("plot: give one of --png OUT, --pdf OUT or --primitives");
  o.output = png ? PlotCliOptions::Output::Png : pdf ? PlotCliOptions::Output::Pdf : PlotCliOptions::Output::Primitives;
  o.outFile = png ? *png : pdf ? *pdf : std::string();
  o.cursor = cursor.value_or(0);
  if (size)
    if (int rc = ParseSize(*size, o)) return rc;
  if (speed)
    if (int rc = ParseSpeed(*speed, o)) return rc;
  if (wa)
    if (int rc = ParseWindAngles(*wa, o)) return rc;
  if (text)
    if (int rc = ParseTextMode(*text, o)) return rc;
  return kExitOk;
}

}  // namespace wl::cli
