#include "plot/plot_labels.h"

#include "nav/hours_text.h"
#include "track/date_format.h"
#include "track/latlon_text.h"
#include "track/number_format.h"

namespace wl {

namespace {

constexpr const char* kNames[kPlotLabelCount] = {
    "lblFileName", "lblLegend",   "lblLat",       "lblLon",     "lblDat",      "lblTime",     "lblUpdIntCOG",
    "lblSpeed",    "lblUpdIntTime", "lblTrip",    "lblDistance", "lblLatWpt", "lblLonWpt",   "lblUpdIntHDG",
    "lblGeoWind",  "lblTrueWind", "lblLog",       "lblRelWind", "lblDepth",    "lblTackPopup"};

const std::string kDegree = "\xC2\xB0";

}  // namespace

const char* PlotLabelName(PlotLabel label) { return kNames[static_cast<size_t>(label)]; }

PlotLabels::PlotLabels() { (*this)[PlotLabel::Legend].text = kPlotKeyLegend; }

void ShowPointData(const ProcessedTrack& t, int32_t i, bool uiData, PlotLabels& labels) {
  const ProcRec& r = t.ProcRecs[static_cast<size_t>(i)];
  auto set = [&](PlotLabel l, std::string text, bool visible = true) {
    labels[l].text = std::move(text);
    labels[l].visible = visible;
  };
  set(PlotLabel::UpdIntCOG, uiData ? "uiCOG:" + FormatNumber(r.uiCOG, "0") + kDegree
                                   : " COG: " + FormatNumber(r.COG, "0") + kDegree);
  set(PlotLabel::Dat, FormatDate(r.Time, "DD MMM yyyy"));
  set(PlotLabel::Distance, "cum DIST: " + FormatNumber(r.CumDist, "0.0"));
  set(PlotLabel::LatWpt, LatText(r.Pos.Lat, 0));
  set(PlotLabel::LonWpt, LonText(r.Pos.Lon, 0));
  set(PlotLabel::Speed, uiData ? "uiSOG: " + FormatNumber(r.uiSOG, "0.0") : "SOG: " + FormatNumber(r.SOG, "0.0"));
  set(PlotLabel::Time, FormatDate(r.Time, "hh:mm:ss") + (t.isTRT ? "  UTC" : " UTC"));
  set(PlotLabel::Trip, "ETIME: " + HoursSpanText(r.CumTime / 24.0, "0"));
  set(PlotLabel::UpdIntTime, "uiTIME: " + FormatDate(r.uiTime / 24.0, "hh:mm:ss"));

  if (!t.isTRT) {
    for (PlotLabel l : {PlotLabel::UpdIntHDG, PlotLabel::GeoWind, PlotLabel::TrueWind, PlotLabel::Log,
                        PlotLabel::RelWind, PlotLabel::Depth})
      labels[l].visible = false;
    return;
  }
  set(PlotLabel::UpdIntHDG, (t.trueHeading ? " tHDG: " : "   HDG: ") + FormatNumber(r.HDG, "0") + kDegree);
  set(PlotLabel::GeoWind, "TWS+D: " + FormatNumber(r.TWS, "0.0") + " " + FormatNumber(r.TWD, "000") + kDegree);
  set(PlotLabel::TrueWind, "TWS+A: " + FormatNumber(r.TWS, "0.0") + " " + FormatNumber(r.TWA, "000") + kDegree);
  set(PlotLabel::Log, "SPD: " + FormatNumber(r.WaterS, "0.0"));
  set(PlotLabel::RelWind, "AWS+A: " + FormatNumber(r.AWS, "0.0") + " " + FormatNumber(r.AWA, "000") + kDegree);
  set(PlotLabel::Depth, "Depth: " + FormatNumber(r.Depth / 10.0, "0.0"));
}

}  // namespace wl
