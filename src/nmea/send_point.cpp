#include "nmea/send_point.h"

#include "nmea/nmea_sentences.h"
#include "track/local_time.h"
#include "track/number_parser.h"

namespace wl {
namespace {

// A speed varied by pct percent around value.
double Varied(double value, double pct, double r) { return value + value * (r - 0.5) * pct / 100; }

// A variation given in percent of 360°.
double DegreesVariation(double pct, double r) { return pct * (r - 0.5) * 3.6; }

// The clock moved by the time offset for TRT files (back unless the sign box is set); the date
// moves with it.
double SentenceTime(const NmeaSender& sender) {
  double now = sender.clock.LocalNow();
  if (!sender.isTRT) return now;
  double offset = TimeOffsetDays(sender.settings.txtTimeOffset);
  return sender.settings.timeOffsetSign ? now + offset : now - offset;
}

}  // namespace

bool SendPointNMEA(const ProcRec& rec, NmeaSender& sender, std::string& error) {
  const SettingsValues& set = sender.settings;
  if (!set.nmeaOut) return true;
  if (!sender.output.IsOpen() && !sender.output.Open(error)) return false;
  const bool all = set.checksumAll;
  auto send = [&](const std::string& sentence) { return sender.output.Send(sentence, error); };
  auto draw = [&] { return sender.random.Next(); };

  if (!send(BuildRMC(SentenceTime(sender), rec.Pos, rec.uiSOG, rec.uiCOG, all))) return false;

  if (set.depth) {
    double depth = rec.Depth / 10.0;
    if (!sender.isTRT) depth = ParseNumber(set.dpt) * (1 + ParseNumber(set.dptVar) * (draw() - 0.5) / 100);
    if (!send(BuildDBT(depth, all))) return false;
  }

  if (set.vhw) {
    double heading = rec.uiCOG, speed = rec.WaterS;
    if (!sender.isTRT) {
      heading = rec.uiCOG + DegreesVariation(ParseNumber(set.hdgVar), draw());
      speed = Varied(ParseNumber(set.logSpd), ParseNumber(set.logSpdVar), draw());
    }
    if (!send(BuildVHW(heading, speed, all))) return false;
  }

  if (!set.wind) return true;
  if (set.windSentence == WindSentence::MWV) {
    if (sender.isTRT) return send(BuildMWV(rec.AWA, "R", rec.AWS, "N", all));
    double angle =
        RelAngle(ParseNumber(set.windDir), rec.uiCOG) + DegreesVariation(ParseNumber(set.windDirVar), draw());
    double speed = Varied(ParseNumber(set.windSpd), ParseNumber(set.windSpdVar), draw());
    return send(BuildMWV(angle, "T", speed, "N", all));
  }
  if (set.windSentence == WindSentence::VWR) {
    double angle = rec.AWA, knots = rec.AWS;
    if (!sender.isTRT) {
      knots = Varied(ParseNumber(set.windSpd), ParseNumber(set.windSpdVar), draw());
      angle =
          RelAngle(ParseNumber(set.windDir), rec.uiCOG) + DegreesVariation(ParseNumber(set.windDirVar), draw());
    }
    return send(BuildVWR(angle, knots, knots * 1854 / 3600, knots * 1.854, all));
  }
  return true;  // MWD: no wind sentence
}

}  // namespace wl
