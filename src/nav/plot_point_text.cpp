#include "nav/plot_point_text.h"

#include <cmath>
#include <cstdlib>

#include "nav/geodesy.h"
#include "nav/tack_stats.h"
#include "track/date_format.h"
#include "track/number_format.h"

namespace wl {

namespace {

int16_t Flag(const ProcessedTrack& processed, int32_t i) { return processed.ProcRecs[static_cast<size_t>(i)].TackFlag; }

std::string TackText(const ProcessedTrack& processed, int32_t c) {
  const int32_t count = processed.count;
  int32_t s = 0;
  for (int32_t i = c - 1; i >= 1; --i) {
    if (Flag(processed, i) == kTackPoint) {
      s = i;
      break;
    }
  }
  int32_t n = count - 1;
  for (int32_t i = c + 1; i < count; ++i) {
    if (Flag(processed, i) == kTackPoint) {
      n = i;
      break;
    }
  }
  const TackRec leg = MakeTackRec(processed, s, c);
  const double next = GetCourse(processed.ProcRecs[static_cast<size_t>(c)].Pos, processed.ProcRecs[static_cast<size_t>(n)].Pos);
  double turn = std::fabs(next - leg.tackCOG);
  if (turn > 180) turn = 360 - turn;
  // A course rounding to 360 is north as much as 0 is; compare on the circle.
  const double shownCOG = std::fmod(std::nearbyint(double{leg.tackCOG}), 360.0);
  if (std::fmod(std::nearbyint(next + turn), 360.0) == shownCOG) turn = -turn;

  const bool trt = processed.isTRT;
  std::string text = "tackDIST: " + FormatNumber(leg.tackDIST, "#.00") + "          tackCOG:  " +
                     FormatNumber(leg.tackCOG, "000") + "\nTraveled: " + FormatNumber(leg.Traveled, "#.00");
  if (trt) {
    text += processed.trueHeading ? "          avtHDG:    " : "          avHDG:    ";
    text += leg.hasAverages ? FormatNumber(leg.avHDG, "000") : "N/A";
    text += ' ';
  }
  text += "\ntackTIME: " + FormatDate(leg.EndTime - leg.StartTime, "hh:mm:ss") + "             tackSOG: " +
          FormatNumber(leg.tackSOG, "#.0") + " \n";
  if (trt) {
    if (leg.hasAverages) {
      text += "avTWS: " + FormatNumber(leg.avTWS, "00.0") + " avTWD: " + FormatNumber(leg.avTWD, "000") +
              " avSPD:   " + FormatNumber(leg.avSPD, "0.0") + " \n";
    } else {
      text += "only " + FormatNumber(c - s + 1, "0") + " intervals, cannot do average\n";
    }
  }
  // "0", not "#": no turn, or a next leg due north, shows 0 rather than nothing.
  text += "tack Angle: " + FormatNumber(turn, "0") + " Next tackCOG: " + FormatNumber(next, "0") + " ";
  return text;
}

std::string WaitText(const ProcessedTrack& processed, int32_t c) {
  int32_t s = 0;
  for (int32_t i = c - 1; i >= 1; --i) {
    if (Flag(processed, i) != kOutlier) {
      s = i;
      break;
    }
  }
  int32_t e = c;
  while (e + 1 < processed.count && Flag(processed, e + 1) == kOutlier) ++e;
  const double d = processed.ProcRecs[static_cast<size_t>(e)].Time - processed.ProcRecs[static_cast<size_t>(s)].Time;
  std::string text = "W ";
  if (d > 1) text += FormatNumber(static_cast<double>(std::llabs(SpanSeconds(d)) / 86400), "0") + "d ";
  return text + FormatDate(d, "hh:mm:ss");
}

}  // namespace

std::string PlotPointText(const ProcessedTrack& processed, int32_t c, int32_t showText, bool useUiData) {
  if (c < 0 || c >= processed.count) return {};
  const ProcRec& p = processed.ProcRecs[static_cast<size_t>(c)];
  switch (p.TackFlag) {
    case kOrdinary:
      if (showText != kShowTextAll) return {};
      return useUiData ? "uiSOG: " + FormatNumber(p.uiSOG, "0.0") : "SOG: " + FormatNumber(p.SOG, "0.0");
    case kTackPoint:
      return showText == kShowTextNothing ? std::string() : TackText(processed, c);
    case kOutlier:
      return showText == kShowTextNothing ? std::string() : WaitText(processed, c);
    default:
      return {};
  }
}

}  // namespace wl
