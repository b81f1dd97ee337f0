#include "plot/plot_labels.h"

#include <gtest/gtest.h>

#include "plot_test_support.h"

namespace wl {
namespace {

std::string Text(const PlotLabels& l, PlotLabel which) { return l[which].visible ? l[which].text : "(hidden)"; }

TEST(ShowPointData, TrtTrackWithLegValues) {
  auto t = test::PlotTrack(true);
  ProcRec& r = t->ProcRecs[3];
  r.CumTime = 27.5f, r.CumDist = 12.34f, r.uiSOG = 6.25f, r.HDG = 41, r.TWS = 12.25f, r.TWD = 5, r.TWA = -45;
  PlotLabels l;
  ShowPointData(*t, 3, true, l);
  // The other labels' forms are pinned by the plot command's golden listing.
  const std::pair<PlotLabel, std::string> expected[] = {
      {PlotLabel::Speed, "uiSOG: 6.3"}, {PlotLabel::Trip, "ETIME: 27:30:00"}, {PlotLabel::Distance, "cum DIST: 12.3"},
      {PlotLabel::GeoWind, "TWS+D: 12.3 005\xC2\xB0"}, {PlotLabel::TrueWind, "TWS+A: 12.3 -045\xC2\xB0"},
      {PlotLabel::UpdIntHDG, "   HDG: 41\xC2\xB0"}};
  for (const auto& [label, text] : expected) EXPECT_EQ(Text(l, label), text) << PlotLabelName(label);
  t->trueHeading = true;
  ShowPointData(*t, 3, true, l);
  EXPECT_EQ(Text(l, PlotLabel::UpdIntHDG), " tHDG: 41\xC2\xB0");
}

// A TRC track shows the point's own course and speed, one blank before "UTC", no instruments.
TEST(ShowPointData, TrcTrackWithPointValues) {
  auto t = test::PlotTrack(false);
  ProcRec& r = t->ProcRecs[2];
  r.CumTime = 0.5f;
  r.COG = 271.4f;
  r.SOG = 7.04f;
  PlotLabels l;
  ShowPointData(*t, 2, false, l);
  EXPECT_EQ(Text(l, PlotLabel::UpdIntCOG) + "|" + Text(l, PlotLabel::Speed) + "|" + Text(l, PlotLabel::Time) + "|" +
                Text(l, PlotLabel::Trip),
            " COG: 271\xC2\xB0|SOG: 7.0|12:02:00 UTC|ETIME: 0:30:00");
  for (PlotLabel hidden : {PlotLabel::UpdIntHDG, PlotLabel::GeoWind, PlotLabel::TrueWind, PlotLabel::Log,
                           PlotLabel::RelWind, PlotLabel::Depth})
    EXPECT_EQ(Text(l, hidden), "(hidden)") << PlotLabelName(hidden);
}

}  // namespace
}  // namespace wl
