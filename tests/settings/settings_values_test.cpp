#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "support/test_support.h"

namespace wl {
namespace {

class SettingsValuesTest : public ::testing::Test {
 protected:
  // Loads with the given stored "Settings" keys on a 20000 x 15000 twip screen.
  SettingsValues Load(const std::map<std::string, std::string>& stored) {
    {
      SettingsStore seed(path);
      for (const auto& [k, v] : stored) seed.Save("Settings", k, v);
    }
    store.emplace(path);
    return LoadSettingsValues(*store, 20000, 15000);
  }
  std::string Stored(const std::string& key) const { return SettingsStore(path).Get("Settings", key, "<absent>"); }

  test::TempDir dir;
  std::string path = dir.File("Wakeline.ini");
  std::optional<SettingsStore> store;
};

TEST_F(SettingsValuesTest, FirstRunGivesDefaultsAndWritesOnlySimRate) {
  const SettingsValues s = Load({});
  EXPECT_EQ(s.mainGeometry.width, 11850);
  EXPECT_EQ(s.mainGeometry.height, 7000);
  EXPECT_EQ(s.mainGeometry.left, 4075);
  EXPECT_EQ(s.mainGeometry.top, 4000);
  EXPECT_EQ(s.tackAngle, "30");
  EXPECT_EQ(s.simRate, "60");
  EXPECT_EQ(s.txtDfDev, "-1.2");
  EXPECT_EQ(s.txtTimeOffset, "02:00:00");
  EXPECT_FALSE(s.timeOffsetSign);
  EXPECT_FALSE(s.PlotShowWind);
  EXPECT_FALSE(s.chkPlotShowWind);
  EXPECT_FALSE(s.PlotSpeedFixed);
  EXPECT_EQ(s.txtPltSpdHigh, "7.5");
  EXPECT_EQ(s.txtPltSpdLow, "3.5");
  EXPECT_EQ(s.WAmin, 40);
  EXPECT_EQ(s.WAmed, 45);
  EXPECT_EQ(s.WAmax, 55);
  EXPECT_EQ(s.WAminPlus1, 41);
  EXPECT_EQ(s.WAmedPlus1, 46);
  EXPECT_EQ(s.txtWAmax, "55");
  EXPECT_TRUE(s.FlagWindTWA);
  EXPECT_TRUE(s.pltUI);
  EXPECT_FALSE(s.useTrueHeading);
  EXPECT_EQ(s.plotShowText, 0);
  EXPECT_FALSE(s.checksumAll);
  EXPECT_EQ(test::ReadFile(path), "[Settings]\nSimRate=60\n");
}

TEST_F(SettingsValuesTest, SimRateIsClampedAndWrittenBack) {
  EXPECT_EQ(Load({{"SimRate", "1000"}}).simRate, "600");
  EXPECT_EQ(Stored("SimRate"), "600");
  EXPECT_EQ(Load({{"SimRate", "fast"}}).simRate, "15");
  EXPECT_EQ(Stored("SimRate"), "15");
  EXPECT_EQ(CheckSimRate("14.9"), "15");
  EXPECT_EQ(CheckSimRate("22.5"), "22");
  EXPECT_EQ(CheckSimRate("23.5"), "24");
  EXPECT_EQ(CheckSimRate(" 120 "), "120");
  EXPECT_EQ(CheckSimRate("120x"), "15");
  EXPECT_EQ(CheckSimRate("1e9"), "600");
}

TEST_F(SettingsValuesTest, PlotSpeedsFixedOnlyWhenBothAreSet) {
  SettingsValues s = Load({{"PlotSpeedHigh", "9.0"}, {"PlotSpeedLow", "-1"}});
  EXPECT_FALSE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedHigh, 9.0f);
  EXPECT_EQ(s.txtPltSpdHigh, "7.5");
  EXPECT_EQ(s.txtPltSpdLow, "3.5");

  s = Load({{"PlotSpeedHigh", "9.04"}, {"PlotSpeedLow", "4knots"}});
  EXPECT_TRUE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedLow, 4.0f);
  EXPECT_EQ(s.txtPltSpdHigh, "9.0");
  EXPECT_EQ(s.txtPltSpdLow, "4.0");

  s = Load({{"PlotSpeedHigh", "1e999"}, {"PlotSpeedLow", "3"}});
  EXPECT_FALSE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedHigh, -1.0f);
}

TEST_F(SettingsValuesTest, RestoredChoicesAreWrittenBackWhenNotTheDesignState) {
  const SettingsValues s = Load({{"PlotShowData", "PT"},
                                 {"UseTrueHeading", "1"},
                                 {"TimeOffsetSign", "2"},
                                 {"PlotShowWind", "true"},
                                 {"PlotShowText", "7"},
                                 {"FlagWindHeading", "twa"}});
  EXPECT_FALSE(s.pltUI);
  EXPECT_TRUE(s.useTrueHeading);
  EXPECT_TRUE(s.timeOffsetSign);
  EXPECT_TRUE(s.PlotShowWind);
  EXPECT_TRUE(s.chkPlotShowWind);
  EXPECT_EQ(s.plotShowText, 4);
  EXPECT_FALSE(s.FlagWindTWA);  // only the exact text selects TWA
  EXPECT_EQ(Stored("PlotShowDATA"), "PT");
  EXPECT_EQ(Stored("UseTrueHeading"), "True");
  EXPECT_EQ(Stored("TimeOffsetSign"), "1");
  EXPECT_EQ(Stored("PlotShowWind"), "True");
  EXPECT_EQ(Stored("PlotShowText"), "4");
  EXPECT_EQ(Stored("FlagWindHeading"), "AWA");
}

TEST_F(SettingsValuesTest, DesignStateValuesAreNotWritten) {
  const SettingsValues s = Load({{"PlotShowData", "UI"}, {"UseTrueHeading", "False"}, {"PlotShowText", "abc"}});
  EXPECT_TRUE(s.pltUI);
  EXPECT_EQ(s.plotShowText, 0);
  EXPECT_EQ(Stored("PlotShowText"), "abc");
  EXPECT_EQ(Stored("UseTrueHeading"), "False");
}

TEST_F(SettingsValuesTest, UnreadableNumbersGiveDefaults) {
  const SettingsValues s = Load({{"MainHeight", "tall"},
                                 {"MainWidth", "9000"},
                                 {"MainTop", "1e400"},
                                 {"WAmin", "41.5"},
                                 {"WAmed", "2147483647"},
                                 {"WAmax", "50.5"}});
  EXPECT_EQ(s.mainGeometry.height, 7000);
  EXPECT_EQ(s.mainGeometry.width, 9000);
  EXPECT_EQ(s.mainGeometry.left, 4075);  // centred for the default size
  EXPECT_EQ(s.mainGeometry.top, 4000);
  EXPECT_EQ(s.WAmin, 42);
  EXPECT_EQ(s.WAminPlus1, 43);
  EXPECT_EQ(s.txtWAmin, "42");
  EXPECT_EQ(s.WAmed, 45);
  EXPECT_EQ(s.WAmax, 50);
}

TEST_F(SettingsValuesTest, TextsAndExtensionKeys) {
  const SettingsValues s = Load({{"DefaultDeviation", "2,5"},
                           {"TimeOffset", "01:00:00"},
                           {"TackAngle", "45"},
                           {"NMEAChecksumAll", "True"}});
  EXPECT_EQ(s.txtDfDev, "2,5");
  EXPECT_EQ(s.tackAngle, "45");
  EXPECT_TRUE(s.checksumAll);

  const ReaderSettings r = s.Reader(true);
  EXPECT_EQ(r.defaultDeviation, "2,5");
  EXPECT_EQ(r.timeOffset.timeOffset, "01:00:00");
  EXPECT_FALSE(r.timeOffset.minus);
  EXPECT_FALSE(r.useTrueHeading);
  EXPECT_TRUE(r.repairHeading);
}

TEST(SettingsConversions, BoolAndOneDecimal) {
  EXPECT_TRUE(ReadBoolText("TRUE", false));
  EXPECT_FALSE(ReadBoolText("false", true));
  EXPECT_TRUE(ReadBoolText("-1", false));
  EXPECT_FALSE(ReadBoolText("0", true));
  EXPECT_TRUE(ReadBoolText("yes", true));
  EXPECT_FALSE(ReadBoolText("", false));
  EXPECT_STREQ(BoolText(true), "True");
  EXPECT_STREQ(BoolText(false), "False");
  EXPECT_EQ(OneDecimalText(7.5f), "7.5");
  EXPECT_EQ(OneDecimalText(-0.04f), "-0.0");
}

}  // namespace
}  // namespace wl
