#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "support/test_support.h"

namespace wl {
namespace {

namespace fs = std::filesystem;

TEST(SettingsStore, AbsentKeyWritesNothingNamesIgnoreCaseAndValuesPersistVerbatim) {
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

  const std::string path = dir.File("deep/er/Wakeline.ini");  // folders are created
  const std::tuple<const char*, const char*, const char*, const char*> values[] = {
      {"Settings", "TimeOffset", "02:00:00", "02:00:00"}, {"Properties", "Settings", " 4800,n,8,1 ", " 4800,n,8,1 "},
      {"FileOpen", "LastFile", "/home/me/a=b.trt", "/home/me/a=b.trt"}, {"Settings", "Empty", "", ""},
      {"Settings", "Broken", "one\r\ntwo\nthree", "one  two three"},  // a line break cannot split the entry
      {"Settings", "After", "ok", "ok"}};
  {
    SettingsStore store(path);
    for (const auto& [section, key, value, read] : values) store.Save(section, key, value);
  }
  SettingsStore again(path);
  for (const auto& [section, key, value, read] : values) EXPECT_EQ(again.Get(section, key, "default"), read) << key;
}

// The last of two equal keys wins, also across sections of another case; saving keeps the order.
TEST(SettingsStore, ToleratesHandEditedFiles) {
  test::TempDir dir;
  const std::string path = dir.File("Wakeline.ini");
  test::WriteFile(path,
                  "orphan=1\r\n; note\r\n[ Settings ]\r\nno equals sign\r\n  TackAngle =45\r\n=nokey\r\n"
                  "SimRate=100\r\nSimRate=120\r\n[FileOpen]\nLastExt=2\n[settings]\nTackAngle=50");
  SettingsStore store(path);
  EXPECT_EQ(store.Get("Settings", "orphan", "-") + store.Get("Settings", "TackAngle", "") +
                store.Get("Settings", "SimRate", "") + store.Get("FileOpen", "LastExt", ""),
            "-501202");
  ASSERT_TRUE(store.Save("FileOpen", "LastFile", "x.trt"));
  EXPECT_EQ(test::ReadFile(path), "[Settings]\nTackAngle=50\nSimRate=120\n\n[FileOpen]\nLastExt=2\nLastFile=x.trt\n");
}

TEST(SettingsStore, FailedWriteIsReportedAndKeepsValueInMemory) {
  SettingsStore store("/proc/self/Wakeline.ini");  // a folder nobody can create files in
  EXPECT_EQ(store.LoadError(), "");
  EXPECT_FALSE(store.Save("Settings", "SimRate", "60"));
  EXPECT_TRUE(store.LastError().starts_with("/proc/self/Wakeline.ini\r\ncould not be written: ")) << store.LastError();
  EXPECT_EQ(store.Get("Settings", "SimRate", ""), "60");
}

// Anything but a regular file is not read (a FIFO would block the start) and never replaced.
// No device such as /dev/null: a regression would replace it for the whole machine when run as root.
TEST(SettingsStore, OnlyRegularFilesAreReadAndUnreadableOnesAreKept) {
  test::TempDir dir;
  const std::string fifo = dir.File("fifo.ini"), folder = dir.File("folder.ini"), blocked = dir.File("blocked");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  test::WriteFile(blocked, "x");
  const std::pair<std::string, std::string> cases[] = {{fifo, "not a regular file"},
                                                       {folder, "not a regular file"},
                                                       {blocked + "/Wakeline.ini", "Not a directory"}};
  for (const auto& [path, reason] : cases) {
    SettingsStore store(path);
    EXPECT_EQ(store.LoadError(), path + "\r\ncould not be read: " + reason + "\r\nthe default settings are used");
    EXPECT_EQ(store.Get("Settings", "TackAngle", "30"), "30");
    EXPECT_FALSE(store.Save("Settings", "TackAngle", "45"));
    EXPECT_EQ(store.LastError(), path + "\r\ncould not be written: the file could not be read at start");
    EXPECT_EQ(store.Get("Settings", "TackAngle", "30"), "45");
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(test::ReadFile(blocked), "x");
}

TEST(SettingsStore, LinksAreReadAndWrittenThrough) {
  test::TempDir dir;
  fs::create_directories(dir.File("real"));
  fs::create_directories(dir.File("cfg"));
  test::WriteFile(dir.File("real/settings.ini"), "[Settings]\nTackAngle=45\n");
  fs::create_symlink("../real/settings.ini", dir.File("cfg/hop.ini"));
  fs::create_symlink("hop.ini", dir.File("cfg/Wakeline.ini"));  // a chain of relative links
  fs::create_symlink("../real/new.ini", dir.File("cfg/dangling.ini"));
  for (const char* name : {"Wakeline.ini", "dangling.ini"}) {
    SettingsStore store(dir.File(std::string("cfg/") + name));
    EXPECT_EQ(store.LoadError(), "");
    EXPECT_TRUE(store.Save("Settings", "SimRate", "60")) << store.LastError();
    EXPECT_TRUE(fs::is_symlink(store.Path())) << name;
  }
  EXPECT_EQ(test::ReadFile(dir.File("real/settings.ini")), "[Settings]\nTackAngle=45\nSimRate=60\n");
  EXPECT_EQ(test::ReadFile(dir.File("real/new.ini")), "[Settings]\nSimRate=60\n");
  for (const char* folder : {"cfg", "real"})
    for (const auto& e : fs::directory_iterator(dir.File(folder)))
      EXPECT_NE(e.path().filename().string().front(), '.') << "left behind: " << e.path();
}

TEST(SettingsStore, DefaultPathFollowsXdgThenHome) {
  auto value = [](const char* name) { return std::string(std::getenv(name) ? std::getenv(name) : ""); };
  const std::string home = value("HOME"), xdg = value("XDG_CONFIG_HOME");
  setenv("HOME", "/home/sailor", 1);
  setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/xdg/Wakeline/Wakeline.ini");
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "/home/sailor/.config/Wakeline/Wakeline.ini");  // empty is unset
  setenv("HOME", home.c_str(), 1);
  if (!xdg.empty()) setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
}

}  // namespace
}  // namespace wl
