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

TEST_F(SettingsValuesTest, SimRateIsClampedAndWrittenBack) {
  EXPECT_EQ(Load({{"SimRate", "1000"}}).simRate, "600");
  EXPECT_EQ(Stored("SimRate"), "600");
  EXPECT_EQ(Load({{"SimRate", "fast"}}).simRate, "15");
  EXPECT_EQ(Stored("SimRate"), "15");
  for (auto [in, out] : {std::pair{"14.9", "15"}, {"22.5", "22"}, {"23.5", "24"}, {" 120 ", "120"}, {"120x", "15"},
                         {"1e9", "600"}})
    EXPECT_EQ(CheckSimRate(in), out) << in;
}

TEST_F(SettingsValuesTest, PlotSpeedsFixedOnlyWhenBothAreSet) {
  SettingsValues s = Load({{"PlotSpeedHigh", "9.0"}, {"PlotSpeedLow", "-1"}});
  EXPECT_FALSE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedHigh, 9.0f);
  EXPECT_EQ(s.txtPltSpdHigh + " " + s.txtPltSpdLow, "7.5 3.5");

  s = Load({{"PlotSpeedHigh", "9.04"}, {"PlotSpeedLow", "4knots"}});
  EXPECT_TRUE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedLow, 4.0f);
  EXPECT_EQ(s.txtPltSpdHigh + " " + s.txtPltSpdLow, "9.0 4.0");

  s = Load({{"PlotSpeedHigh", "1e999"}, {"PlotSpeedLow", "3"}});
  EXPECT_FALSE(s.PlotSpeedFixed);
  EXPECT_EQ(s.PlotSpeedHigh, -1.0f);
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

TEST_F(SettingsValuesTest, UnreadableNumbersGiveDefaults) {
  const SettingsValues s = Load({{"MainHeight", "tall"}, {"MainWidth", "9000"}, {"MainTop", "1e400"},
                                 {"WAmin", "41.5"}, {"WAmed", "2147483647"}, {"WAmax", "50.5"}});
  const WindowGeometry& g = s.mainGeometry;  // left centred for the default size
  EXPECT_EQ((std::vector<float>{g.width, g.height, g.left, g.top}), (std::vector<float>{9000, 7000, 4075, 4000}));
  EXPECT_EQ((std::vector<int>{s.WAmin, s.WAminPlus1, s.WAmed, s.WAmax}), (std::vector<int>{42, 43, 45, 50}));
  EXPECT_EQ(s.txtWAmin, "42");
}

TEST_F(SettingsValuesTest, TextsAndReaderSettings) {
  const SettingsValues s = Load({{"DefaultDeviation", "2,5"}, {"TimeOffset", "01:00:00"}, {"TackAngle", "45"},
                                 {"NMEAChecksumAll", "False"}});
  EXPECT_EQ(s.tackAngle, "45");
  EXPECT_FALSE(s.checksumAll);
  const ReaderSettings r = s.Reader(true);
  EXPECT_EQ(r.defaultDeviation, "2,5");
  EXPECT_EQ(r.timeOffset.timeOffset, "01:00:00");
  EXPECT_FALSE(r.timeOffset.minus || r.useTrueHeading);
  EXPECT_TRUE(r.repairHeading);
}

TEST_F(SettingsValuesTest, StoredTextIsWhatEachKeysWriterStores) {
  SettingsValues s = Load({{"PlotShowData", "PT"}, {"FlagWindHeading", "AWA"}});
  s.mainGeometry = {600.5f, -15, 9000, 7000};
  for (auto [key, text] : {std::pair{SettingKey::MainLeft, "600.5"}, {SettingKey::MainTop, "-15"},
                           {SettingKey::PlotShowData, "PT"}, {SettingKey::FlagWindHeading, "AWA"},
                           {SettingKey::PlotSpeedHigh, "-1.0"}, {SettingKey::TimeOffsetSign, "0"},
                           {SettingKey::WAmax, "55"}, {SettingKey::UseTrueHeading, "False"}})
    EXPECT_EQ(StoredText(s, key), text) << Setting(key).name;
  for (SettingKey key : {SettingKey::LastFile, SettingKey::PortSettings, SettingKey::PlotBlack})
    EXPECT_EQ(StoredText(s, key), std::nullopt) << Setting(key).name;
  EXPECT_EQ(Setting(SettingKey::PortSettings).section, "Properties");
  EXPECT_EQ(ReadSetting(*store, SettingKey::LastExt), "1");
}

TEST_F(SettingsValuesTest, OutputChoicesRoundTripAndUnreadableOnesKeepTheirDefaults) {
  SettingsValues s = Load({{"NMEAOutput", "tcp"}, {"NMEATcpPort", "2000"}, {"NMEAUdpTarget", "[::1]:9"},
                           {"NMEATimeSource", "Track"}, {"NMEAHeading", "True"}, {"NMEATrueWind", "1"}});
  EXPECT_TRUE(s.nmeaOutput == NmeaOutputKind::Tcp && s.timeSource == NmeaTimeSource::Track);
  EXPECT_TRUE(s.sendHeading && s.sendTrueWind);
  for (auto [key, text] : {std::pair{SettingKey::NMEAOutput, "TCP"}, {SettingKey::NMEATcpPort, "2000"},
                           {SettingKey::NMEAUdpTarget, "[::1]:9"}, {SettingKey::NMEATimeSource, "track"},
                           {SettingKey::NMEATrueWind, "True"}})
    EXPECT_EQ(StoredText(s, key), text) << Setting(key).name;
  s = Load({{"NMEAOutput", "radio"}, {"NMEATcpPort", "70000"}, {"NMEAUdpTarget", "localhost"}});
  EXPECT_EQ(s.nmeaOutput, NmeaOutputKind::Serial);
  EXPECT_EQ(std::to_string(s.nmeaTcpPort) + " " + s.nmeaUdpTarget, "10110 127.0.0.1:10110");
}

TEST(SettingChecks, PlotSpeedLimits) {
  const std::string low = "The Low spead for plot colors must be a value betwen 0 and the high speed";
  const std::string high = "The High spead for plot colors must be a value betwen the Low speed and 99";
  for (auto [which, lo, hi, message] :
       {std::tuple{SpeedLimit::Low, "4.0", "3.5", low}, {SpeedLimit::Low, "-0.1", "3.5", low},
        {SpeedLimit::Low, "3.5", "3.5", std::string()}, {SpeedLimit::High, "3", "99", std::string()},
        {SpeedLimit::High, "3", "99.1", high}, {SpeedLimit::High, "3", "2.9", high}})
    EXPECT_EQ(PlotSpeedRefusal(which, lo, hi), message) << lo << " " << hi;

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

TEST(SettingChecks, BoxTexts) {
  EXPECT_EQ(CheckWindAngles("-2.5", "abc", "55").values, (std::array<int32_t, 3>{3, 0, 55}));
  EXPECT_FALSE(CheckWindAngles("40", "40", "55").ordered);
  EXPECT_TRUE(CheckWindAngles("40", "-44", "55").ordered);
  EXPECT_EQ(CheckWindAngles("1", "2", "1e30").values[2], 2147483646);
  for (auto [typed, text] : {std::pair{"1:30", "01:30:00"}, {" 23:59:59 ", "23:59:59"}, {"2:5:7", "02:05:07"}})
    EXPECT_EQ(TimeOffsetText(typed), text) << typed;
  for (const char* typed : {"abc", "24:00", "1:60", "1", "1:30:00 x", ""})
    EXPECT_EQ(TimeOffsetText(typed), std::nullopt) << typed;
  for (auto [typed, top, text] : {std::tuple{"150", 100, "100"}, {"-3", 50, "0"}, {"x", 30, "0"}, {"12.5", 50, "12.5"}})
    EXPECT_EQ(CheckSimValue(typed, top), text) << typed;
  for (auto [typed, text] : {std::pair{"400", "40"}, {"360", "0"}, {"-30", "330"}, {"x", "0"}, {"89.5", "90"}})
    EXPECT_EQ(CheckWindDirection(typed), text) << typed;
  for (auto [typed, port] : {std::pair{"10110", 10110}, {"0", 0}, {"65536", 0}, {"1e3", 0}, {"-5", 0}})
    EXPECT_EQ(TcpPortValue(typed).value_or(0), port) << typed;
  for (auto [typed, ok] : {std::pair{"127.0.0.1:10110", true}, {"[::1]:9", true}, {"host:0", false},
                           {"host", false}, {":9", false}, {"a b:9", false}})
    EXPECT_EQ(IsUdpTarget(typed), ok) << typed;
  // Text on plot by its top entry: " ", "All", "Nothing", "Tack & Wait", " ".
  for (auto [top, clicked, scrolled] : {std::tuple{0, 1, 3}, {1, 2, 1}, {2, 3, 2}, {3, 1, 3}, {4, 1, 1}})
    EXPECT_EQ(std::pair(ClickedPlotShowText(top), ScrolledPlotShowText(top)), std::pair(clicked, scrolled)) << top;
}

TEST(SettingsConversions, BoolAndOneDecimal) {
  for (auto [text, fallback, value] : {std::tuple{"TRUE", false, true}, {"false", true, false}, {"-1", false, true},
                                       {"0", true, false}, {"yes", true, true}, {"", false, false}})
    EXPECT_EQ(ReadBoolText(text, fallback), value) << text;
  EXPECT_STREQ(BoolText(true), "True");
  EXPECT_STREQ(BoolText(false), "False");
  EXPECT_EQ(OneDecimalText(7.5f), "7.5");
  EXPECT_EQ(OneDecimalText(-0.04f), "-0.0");
}

}  // namespace
}  // namespace wl
