#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <tuple>

#include "support/test_support.h"

namespace wl {
namespace {

namespace fs = std::filesystem;

TEST(SettingsStore, AbsentKeyWritesNothingAndNamesIgnoreCase) {
  test::TempDir dir;
  SettingsStore store(dir.File("cfg/Wakeline.ini"));
  EXPECT_EQ(store.Get("Settings", "TackAngle", "30"), "30");
  EXPECT_FALSE(fs::exists(store.Path()));
  store.Save("Settings", "PlotShowData", "PT");
  EXPECT_EQ(store.Get("SETTINGS", "plotshowdata", "UI"), "PT");
  store.Save("settings", "PLOTSHOWDATA", "UI");
  EXPECT_EQ(test::ReadFile(store.Path()), "[Settings]\nPlotShowData=UI\n");
  // The same key in another section is another entry.
  EXPECT_EQ(store.Get("Properties", "PlotShowData", "none"), "none");
}

TEST(SettingsStore, PersistsVerbatimAcrossStores) {
  test::TempDir dir;
  const std::string path = dir.File("deep/er/Wakeline.ini");  // folders are created
  {
    SettingsStore store(path);
    store.Save("Settings", "TimeOffset", "02:00:00");
    store.Save("Properties", "Settings", " 4800,n,8,1 ");
    store.Save("FileOpen", "LastFile", "/home/me/a=b.trt");
    store.Save("Settings", "Empty", "");
    store.Save("Settings", "Broken", "one\r\ntwo\nthree");
    store.Save("Settings", "After", "ok");
  }
  SettingsStore again(path);
  // A line break cannot split the entry.
  for (auto [section, key, value] : {std::tuple{"Settings", "TimeOffset", "02:00:00"}, {"Properties", "Settings", " 4800,n,8,1 "},
                                     {"FileOpen", "LastFile", "/home/me/a=b.trt"}, {"Settings", "Empty", ""},
                                     {"Settings", "Broken", "one  two three"}, {"Settings", "After", "ok"}})
    EXPECT_EQ(again.Get(section, key, "default"), value) << key;
  for (const auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
    EXPECT_EQ(e.path().filename(), "Wakeline.ini") << "left behind: " << e.path();
  }
}

TEST(SettingsStore, ToleratesHandEditedFiles) {
  test::TempDir dir;
  const std::string path = dir.File("Wakeline.ini");
  test::WriteFile(path,
                  "orphan=1\r\n; note\r\n[ Settings ]\r\nno equals sign\r\n  TackAngle =45\r\n=nokey\r\n"
                  "SimRate=100\r\nSimRate=120\r\n[FileOpen]\nLastExt=2");
  SettingsStore store(path);
  EXPECT_EQ(store.Get("Settings", "orphan", "-") + store.Get("Settings", "TackAngle", "") +
                store.Get("Settings", "SimRate", "") + store.Get("FileOpen", "LastExt", ""),
            "-451202");
}

TEST(SettingsStore, FailedWriteIsSilentAndKeepsValueInMemory) {
  test::TempDir dir;
  // A file where the folder should be: no write can succeed, whoever runs the test.
  test::WriteFile(dir.File("blocked"), "x");
  SettingsStore store(dir.File("blocked/Wakeline.ini"));
  store.Save("Settings", "SimRate", "60");
  EXPECT_EQ(store.Get("Settings", "SimRate", ""), "60");
  EXPECT_EQ(test::ReadFile(dir.File("blocked")), "x");
}

class EnvVar {
 public:
  explicit EnvVar(const char* name) : name_(name) {
    if (const char* v = std::getenv(name)) old_ = v;
  }
  ~EnvVar() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  void Set(const char* v) { v ? setenv(name_, v, 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsStore, DefaultPathFollowsXdgThenHome) {
  EnvVar xdg("XDG_CONFIG_HOME"), home("HOME");
  home.Set("/home/sailor");
  xdg.Set("/tmp/xdg");
  EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/xdg/Wakeline/Wakeline.ini");
  for (const char* unset : {"", static_cast<const char*>(nullptr)}) {
    xdg.Set(unset);
    EXPECT_EQ(SettingsStore::DefaultPath(), "/home/sailor/.config/Wakeline/Wakeline.ini");
  }
}

}  // namespace
}  // namespace wl
