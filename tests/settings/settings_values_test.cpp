#include "settings/settings_values.h"

#include "settings/setting_checks.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>
#include <vector>

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
    return LoadSettingsValues(*store, 20000, 15000, [this](SettingKey key, std::string_view text) {
      store->Save(Setting(key).section, Setting(key).name, text);
    });
  }
  std::string Stored(const std::string& key) const { return SettingsStore(path).Get("Settings", key, "<absent>"); }

  test::TempDir dir;
  std::string path = dir.File("Wakeline.ini");
  std::optional<SettingsStore> store;
};

TEST_F(SettingsValuesTest, FirstRunGivesDefaultsAndWritesOnlySimRate) {
  const SettingsValues s = Load({});
  const WindowGeometry& g = s.mainGeometry;  // centred on the screen
  EXPECT_EQ((std::vector<float>{g.width, g.height, g.left, g.top}), (std::vector<float>{11850, 7000, 4075, 4000}));
  EXPECT_EQ(s.tackAngle + " " + s.simRate + " " + s.txtDfDev + " " + s.txtTimeOffset, "30 60 -1.2 02:00:00");
  EXPECT_EQ(s.txtPltSpdHigh + " " + s.txtPltSpdLow + " " + s.txtWAmax, "7.5 3.5 55");
  EXPECT_EQ((std::vector<int>{s.WAmin, s.WAmed, s.WAmax, s.WAminPlus1, s.WAmedPlus1}),
            (std::vector<int>{40, 45, 55, 41, 46}));
  EXPECT_FALSE(s.timeOffsetSign || s.PlotShowWind || s.chkPlotShowWind || s.PlotSpeedFixed || s.useTrueHeading);
  EXPECT_TRUE(s.FlagWindTWA && s.pltUI && s.checksumAll);
  EXPECT_EQ(s.plotShowText, 0);
  EXPECT_EQ(test::ReadFile(path), "[Settings]\nSimRate=60\n");
}

// Stored high and low, then whether fixed, the high and low in memory and the boxes' texts.
TEST_F(SettingsValuesTest, PlotSpeedsFixedOnlyWhenBothAreSet) {
  for (auto [high, low, fixed, values, texts] :
       {std::tuple{"9.0", "-1", false, std::pair(9.0f, -1.0f), "7.5 3.5"},
        {"9.04", "4knots", true, {9.04f, 4.0f}, "9.0 4.0"}, {"1e999", "3", false, {-1.0f, 3.0f}, "7.5 3.5"}}) {
    const SettingsValues s = Load({{"PlotSpeedHigh", high}, {"PlotSpeedLow", low}});
    EXPECT_EQ(s.PlotSpeedFixed, fixed) << high;
    EXPECT_EQ(std::pair(s.PlotSpeedHigh, s.PlotSpeedLow), values) << high;
    EXPECT_EQ(s.txtPltSpdHigh + " " + s.txtPltSpdLow, texts) << high;
  }
}

TEST_F(SettingsValuesTest, RestoredChoicesAreWrittenBackOnlyWhenNotTheDesignState) {
  const SettingsValues s = Load({{"PlotShowData", "PT"}, {"UseTrueHeading", "1"}, {"TimeOffsetSign", "2"},
                                 {"PlotShowWind", "true"}, {"PlotShowText", "7"}, {"FlagWindHeading", "twa"}});
  EXPECT_TRUE(!s.pltUI && s.useTrueHeading && s.timeOffsetSign && s.PlotShowWind && s.chkPlotShowWind);
  EXPECT_EQ(s.plotShowText, 1);  // the blank entry below wraps round to "All"
  EXPECT_FALSE(s.FlagWindTWA);  // only the exact text selects TWA
  for (auto [key, value] : {std::pair{"PlotShowDATA", "PT"}, {"UseTrueHeading", "True"}, {"TimeOffsetSign", "1"},
                            {"PlotShowWind", "True"}, {"PlotShowText", "1"}, {"FlagWindHeading", "AWA"}})
    EXPECT_EQ(Stored(key), value) << key;

  const SettingsValues d = Load({{"PlotShowData", "UI"}, {"UseTrueHeading", "False"}, {"PlotShowText", "abc"}});
  EXPECT_TRUE(d.pltUI);
  EXPECT_EQ(d.plotShowText, 0);
  EXPECT_EQ(Stored("PlotShowText"), "abc");
  EXPECT_EQ(Stored("UseTrueHeading"), "False");
}

TEST_F(SettingsValuesTest, UnreadableNumbersGiveDefaultsAndTheSimRateIsClamped) {
  const SettingsValues s = Load({{"MainHeight", "tall"}, {"MainWidth", "9000"}, {"MainTop", "1e400"},
                                 {"WAmin", "41.5"}, {"WAmed", "2147483647"}, {"WAmax", "50.5"}, {"SimRate", "1000"}});
  EXPECT_EQ(s.simRate + " " + Stored("SimRate"), "600 600");  // clamped and written back
  const WindowGeometry& g = s.mainGeometry;  // left centred for the default size
  EXPECT_EQ((std::vector<float>{g.width, g.height, g.left, g.top}), (std::vector<float>{9000, 7000, 4075, 4000}));
  EXPECT_EQ((std::vector<int>{s.WAmin, s.WAminPlus1, s.WAmed, s.WAmax}), (std::vector<int>{42, 43, 45, 50}));
  EXPECT_EQ(s.txtWAmin, "42");
}

// The dialog's tests pin the stored texts of the keys it writes.
TEST_F(SettingsValuesTest, StoredTextOfGeometryAndUnsetSpeedsAndKeysWithOwnWriters) {
  SettingsValues s = Load({});
  s.mainGeometry = {600.5f, -15, 9000, 7000};
  for (auto [key, text] : {std::pair{SettingKey::MainLeft, "600.5"}, {SettingKey::MainTop, "-15"},
                           {SettingKey::PlotSpeedHigh, "-1.0"}, {SettingKey::WAmax, "55"}})
    EXPECT_EQ(StoredText(s, key), text) << Setting(key).name;
  for (SettingKey key : {SettingKey::LastFile, SettingKey::PortSettings, SettingKey::PlotBlack})
    EXPECT_EQ(StoredText(s, key), std::nullopt) << Setting(key).name;
  EXPECT_EQ(ReadSetting(*store, SettingKey::LastExt), "1");
}

TEST_F(SettingsValuesTest, OutputChoicesAndReaderSettingsAreReadAndUnreadableOnesKeepTheirDefaults) {
  SettingsValues s = Load({{"NMEAOutput", "tcp"}, {"NMEATcpPort", "2000"}, {"NMEAUdpTarget", "[::1]:9"},
                           {"NMEATimeSource", "Track"}, {"NMEAHeading", "True"}, {"NMEATrueWind", "1"},
                           {"DefaultDeviation", "2,5"}, {"TimeOffset", "01:00:00"}, {"NMEAChecksumAll", "False"}});
  EXPECT_FALSE(s.checksumAll);
  const ReaderSettings r = s.Reader(true);
  EXPECT_EQ(std::string(r.defaultDeviation) + " " + std::string(r.timeOffset.timeOffset), "2,5 01:00:00");
  EXPECT_FALSE(r.timeOffset.minus || r.useTrueHeading);
  EXPECT_TRUE(r.repairHeading);
  EXPECT_TRUE(s.nmeaOutput == NmeaOutputKind::Tcp && s.timeSource == NmeaTimeSource::Track);
  EXPECT_TRUE(s.sendHeading && s.sendTrueWind && s.nmeaTcpPort == 2000 && s.nmeaUdpTarget == "[::1]:9");
  s = Load({{"NMEAOutput", "radio"}, {"NMEATcpPort", "70000"}, {"NMEAUdpTarget", "localhost"}});
  EXPECT_EQ(s.nmeaOutput, NmeaOutputKind::Serial);
  EXPECT_EQ(std::to_string(s.nmeaTcpPort) + " " + s.nmeaUdpTarget, "10110 127.0.0.1:10110");
}

TEST(SettingChecks, TakePlotSpeedFillsAnUnsetLimitFromItsBox) {
  SettingsValues v;  // no track processed: both in-memory limits unset
  TakePlotSpeed(v, SpeedLimit::High, "3.5", "9.04");
  EXPECT_EQ(v.txtPltSpdHigh, "9.0");
  EXPECT_TRUE(v.PlotSpeedFixed);
  EXPECT_EQ(v.PlotSpeedHigh, 9.0f);
  EXPECT_EQ(v.PlotSpeedLow, 3.5f);  // from its box, not "-1"
  TakePlotSpeed(v, SpeedLimit::Low, "2", "7");
  EXPECT_EQ(v.txtPltSpdLow + " " + v.txtPltSpdHigh, "2.0 9.0");
  EXPECT_EQ(v.PlotSpeedHigh, 9.0f);  // a set limit stays
}

}  // namespace
}  // namespace wl
