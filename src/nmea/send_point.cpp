#include "nmea/send_point.h"

#include "nmea/nmea_sentences.h"
#include "track/number_parser.h"

namespace wl {
namespace {

// A speed varied by pct percent around value.
double Varied(double value, double pct, double r) { return value + value * (r - 0.5) * pct / 100; }

// A variation given in percent of 360°.
double DegreesVariation(double pct, double r) { return pct * (r - 0.5) * 3.6; }

double SentenceTime(const ProcRec& rec, NmeaSender& sender) {
  return sender.settings.timeSource == NmeaTimeSource::Track ? rec.Time : sender.clock.UtcNow();
}

}  // namespace

bool SendPointNMEA(const ProcRec& rec, NmeaSender& sender, std::string& error) {
  const SettingsValues& set = sender.settings;
  if (!set.nmeaOut) return true;
  if (!sender.output.IsOpen() && !sender.output.Open(error)) return false;
  const bool all = set.checksumAll;
  auto send = [&](const std::string& sentence) { return sender.output.Send(sentence, error); };
  auto draw = [&] { return sender.random.Next(); };

  if (!send(BuildRMC(SentenceTime(rec, sender), rec.Pos, rec.uiSOG, rec.uiCOG, all))) return false;

  if (set.depth) {
    double depth = rec.Depth / 10.0;
    if (!sender.isTRT) depth = ParseNumber(set.dpt) * (1 + ParseNumber(set.dptVar) * (draw() - 0.5) / 100);
    if (!send(BuildDBT(static_cast<float>(depth), all))) return false;
  }

  if (set.vhw) {
    double heading = rec.uiCOG, speed = rec.WaterS;
    if (!sender.isTRT) {
      heading = rec.uiCOG + DegreesVariation(ParseNumber(set.hdgVar), draw());
      speed = Varied(ParseNumber(set.logSpd), ParseNumber(set.logSpdVar), draw());
    }
    if (!send(BuildVHW(static_cast<float>(heading), static_cast<float>(speed), all))) return false;
  }

  if (sender.isTRT && set.sendHeading && !send(BuildHeading(rec.HDG, sender.trueHeading, all))) return false;

  if (set.wind && set.windSentence == WindSentence::MWV) {
    std::string mwv;
    if (sender.isTRT) {
      mwv = BuildMWV(rec.AWA, "R", rec.AWS, "N", all);
    } else {
      double angle =
          RelAngle(ParseNumber(set.windDir), rec.uiCOG) + DegreesVariation(ParseNumber(set.windDirVar), draw());
      double speed = Varied(ParseNumber(set.windSpd), ParseNumber(set.windSpdVar), draw());
      mwv = BuildMWV(static_cast<float>(angle), "T", static_cast<float>(speed), "N", all);
    }
    if (!send(mwv)) return false;
  }
  if (set.wind && set.windSentence == WindSentence::VWR) {
    double angle = rec.AWA, knots = rec.AWS;
    if (!sender.isTRT) {
      knots = Varied(ParseNumber(set.windSpd), ParseNumber(set.windSpdVar), draw());
      angle =
          RelAngle(ParseNumber(set.windDir), rec.uiCOG) + DegreesVariation(ParseNumber(set.windDirVar), draw());
    }
    if (!send(BuildVWR(static_cast<float>(angle), static_cast<float>(knots), static_cast<float>(knots * 1854 / 3600),
                       static_cast<float>(knots * 1.854), all)))
      return false;
  }
  // MWD: no wind sentence.

  return !(sender.isTRT && set.sendTrueWind) || send(BuildMWV(rec.TWA, "T", rec.TWS, "N", all));
}

}  // namespace wl
