#include "folderlist/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "settings/settings_values.h"
#include "support/test_support.h"
#include "track/float_text.h"
#include "track/track_writer.h"

namespace wl {
namespace {

using test::ScriptedPrompts;
using test::TempDir;

// One TRC record per latitude (1/60000 degree), all on the meridian 0.
void WriteTrc(const std::string& path, const std::vector<int32_t>& lats) {
  std::string bytes;
  unsigned char rec[kTrcRecordSize];
  for (int32_t lat : lats) {
    TrackRec r;
    r.Pos.Lat = lat;
    EncodeTrcRecord(r, rec);
    bytes.append(reinterpret_cast<const char*>(rec), kTrcRecordSize);
  }
  test::WriteFile(path, bytes);
}

// TRT points stepping north by a hundredth of a degree (0.6 nm) from 46 N.
void WriteTrt(const std::string& path, int points) {
  std::string text = "/* logger start\r\n";
  for (int i = 0; i < points; ++i)
    text += "20080711 10:31:44," + std::to_string(46.0 + i * 0.01) + ",6.15,5.0,0.5,0,0,10,0,0,0,0,0,0,0,0\r\n";
  test::WriteFile(path, text);
}

// A meridian minute (1000 units) in nautical miles on the program's sphere.
constexpr double kMinuteNm = 6367000.0 * 1000 * 2.90888208665722e-7 / 1852;

struct Listed {
  FolderListing listing;
  ScriptedPrompts prompts;
  std::vector<std::string> progress;
  bool opened = false;
};

void List(Listed& l, const std::string& folder, ListType type) {
  const SettingsValues settings;
  l.opened = l.listing.ShowList(folder, type, settings.Reader(false), l.prompts,
                                [&](const std::string& p) { l.progress.push_back(p); });
}

std::vector<std::string> Names(const FolderListing& listing) {
  std::vector<std::string> names;
  for (const ListRow& r : listing.Rows()) names.push_back(r.name);
  return names;
}

TEST(FolderListingNames, MatchingLooksAtTheLastThreeCharactersOnly) {
  for (auto [name, type, match] : {std::tuple{"x.ttrc", ListType::TRC, true}, {"c.Trt", ListType::Both, true},
                                   {"c.trt", ListType::TRC, false}, {"a.trc ", ListType::Both, false}})
    EXPECT_EQ(MatchesListType(name, type), match) << name;
}

TEST(FolderListingNames, ComparisonAndSortOrder) {
  // Prefixes of the shorter length are compared ("." before "c"); equal prefixes count as smaller
  // whichever comes first; by character code after lower-casing; bytes above ASCII unsigned.
  for (auto [a, b, order] : {std::tuple{"ab.trc", "abc.trc", -1}, {"abc.trc", "ab.trc", 1}, {"B.trc", "a.TRC", 1},
                             {"ab.trc", "ab", -1}, {"ab", "ab.trc", -1}, {"aZ.trc", "a_.trc", 1},
                             {"\xC9.trc", "z.trc", 1}})
    EXPECT_EQ(CompareListNames(a, b), order) << a << " " << b;

  // The sort order agrees wherever the comparison decides; where it has no opinion the shorter
  // name goes first, which keeps the order transitive: a.trc < a.trc1.trc < a.trc2.trc.
  for (auto [a, b] : {std::pair{"a.TRC", "B.trc"}, {"ab.trc", "abc.trc"}, {"a_.trc", "aZ.trc"},
                      {"a.trc", "a.trc2.trc"}, {"a.trc1.trc", "a.trc2.trc"}}) {
    EXPECT_TRUE(ListNameBefore(a, b)) << a << " " << b;
    EXPECT_FALSE(ListNameBefore(b, a)) << a << " " << b;
  }
  EXPECT_FALSE(ListNameBefore("A.trc", "a.trc"));
  EXPECT_FALSE(ListNameBefore("a.trc", "A.trc"));
}

TEST(FolderListingNames, InitialFolderAndProgress) {
  for (auto [file, folder] : {std::pair{"/home/sailor/tracks/race.trt", "/home/sailor/tracks"},
                              {"C:\\tracks\\race.trc", "C:\\tracks"}, {"/race.trc", "/"}, {"race.trc", ""}, {"", ""}})
    EXPECT_EQ(ListFolderFromLastFile(file), folder) << file;
  EXPECT_EQ(ListProgressText(2, 3), "66%");
  EXPECT_EQ(ListProgressText(40000, 40000), "100%");  // no overflow
}

TEST(FolderListing, ListsOnlyTheChosenTypeSortedWithSummary) {
  TempDir dir;
  WriteTrc(dir.File("B.trc"), {0, 2000});  // two meridian minutes
  WriteTrc(dir.File("a.TRC"), {0, 1000});
  WriteTrt(dir.File("c.trt"), 3);

  Listed l;
  List(l, dir.path().string(), ListType::TRC);
  ASSERT_TRUE(l.opened);
  ASSERT_EQ(Names(l.listing), (std::vector<std::string>{"a.TRC", "B.trc"}));
  const auto& rows = l.listing.Rows();
  EXPECT_NEAR(rows[0].distance, kMinuteNm, 1e-5);
  EXPECT_NEAR(rows[1].distance, 2 * kMinuteNm, 1e-5);
  const float total = static_cast<float>(static_cast<double>(rows[0].distance) + rows[1].distance);
  EXPECT_EQ(l.listing.Summary(), dir.path().string() + "\r\n2 files, total distance " + ShortFloatText(total));
  EXPECT_EQ(l.progress, (std::vector<std::string>{"50%", "100%"}));

  // Listing again with another type replaces the rows.
  List(l, dir.path().string(), ListType::TRT);
  ASSERT_EQ(Names(l.listing), (std::vector<std::string>{"c.trt"}));
  EXPECT_EQ(l.listing.Rows()[0].points, 3);
  EXPECT_NEAR(l.listing.Rows()[0].distance, 1.2 * kMinuteNm, 1e-4);
}

// A later file with fewer points must not show points of an earlier one; a too long file is
// reported and listed truncated.
TEST(FolderListing, EveryFileIsReadAfresh) {
  TempDir dir;
  WriteTrt(dir.File("big.trt"), 50);
  WriteTrc(dir.File("long.trc"), std::vector<int32_t>(kTrackCapacity + 1, 0));
  WriteTrt(dir.File("one.trt"), 1);
  WriteTrc(dir.File("x.ttrc"), {0, 1000});  // matches, but the reader takes it for no track file
  WriteTrt(dir.File("zero.trt"), 0);

  Listed l;
  List(l, dir.path().string(), ListType::Both);
  ASSERT_EQ(Names(l.listing), (std::vector<std::string>{"big.trt", "long.trc", "one.trt", "x.ttrc", "zero.trt"}));
  const auto& rows = l.listing.Rows();
  for (auto [i, points] : {std::pair{0, 50}, {1, kTrackCapacity}, {2, 1}, {3, 0}, {4, 0}})
    EXPECT_EQ(rows[static_cast<size_t>(i)].points, points) << i;
  EXPECT_EQ(rows[2].distance + rows[3].distance, 0.0f);
  ASSERT_EQ(l.prompts.Texts(),
            (std::vector<std::string>{dir.File("long.trc") + "\r\nTrackfile too long, truncated !!!"}));
  EXPECT_EQ(l.prompts.shown[0].icon, Icon::Exclamation);
}

TEST(FolderListing, SkipsHiddenFilesFoldersAndOtherNames) {
  TempDir dir;
  WriteTrc(dir.File(".hidden.trc"), {0, 1000});
  std::filesystem::create_directory(dir.path() / "sub.trc");
  WriteTrc(dir.path().string() + "/sub.trc/inner.trc", {0, 1000});
  test::WriteFile(dir.File("notes.txt"), "x");
  ASSERT_EQ(mkfifo(dir.File("pipe.trt").c_str(), 0600), 0);

  Listed l;
  List(l, dir.path().string(), ListType::Both);
  EXPECT_TRUE(l.opened);
  EXPECT_TRUE(l.listing.Rows().empty());
  EXPECT_EQ(l.listing.Summary(), dir.path().string() + "\r\nNo files of selected type in this directory");
  EXPECT_EQ(l.listing.CopyAllText(), "");
}

TEST(FolderListing, NamesEqualButForCaseKeepTheFoldersOrder) {
  TempDir dir;
  for (const char* name : {"A.trc", "a.trc", "a.trc2.trc", "a.trc1.trc", "b.trc"}) WriteTrc(dir.File(name), {0});
  std::vector<std::string> enumerated;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string n = e.path().filename().string();
    if (n == "A.trc" || n == "a.trc") enumerated.push_back(n);
  }

  Listed l;
  List(l, dir.path().string(), ListType::TRC);
  enumerated.insert(enumerated.end(), {"a.trc1.trc", "a.trc2.trc", "b.trc"});
  EXPECT_EQ(Names(l.listing), enumerated);
}

TEST(FolderListing, FolderThatCannotBeOpenedIsNamedWithTheReason) {
  TempDir dir;
  const std::string missing = dir.File("gone");
  Listed l;
  List(l, missing, ListType::Both);
  EXPECT_FALSE(l.opened);
  EXPECT_EQ(l.prompts.Texts(), (std::vector<std::string>{missing + "\r\ncould not be opened: No such file or directory"}));
}

TEST(FolderListing, CopyTextRightAlignsOneDecimalDistances) {
  TempDir dir;
  WriteTrc(dir.File("race.trc"), {0, 12344});  // 12.345 nm
  WriteTrc(dir.File("moored.trc"), {0});

  Listed l;
  List(l, dir.path().string(), ListType::TRC);
  ASSERT_EQ(l.listing.Rows().size(), 2u);
  ASSERT_NEAR(l.listing.Rows()[1].distance, 12.345, 1e-3);
  const std::string header = "Selected files of type .trc in:\r\n" + dir.path().string() + "\r\n\r\n";
  EXPECT_EQ(l.listing.CopyAllText(), header + "       0.0\tmoored.trc\r\n      12.3\trace.trc\r\n");
  EXPECT_EQ(l.listing.CopyText(1, 1), header + "      12.3\trace.trc\r\n");
  // A selection dragged upwards copies nothing.
  EXPECT_EQ(l.listing.CopyText(1, 0), "");

  List(l, dir.path().string(), ListType::Both);
  EXPECT_EQ(l.listing.CopyText(0, 0).substr(0, 40), "Selected files of type .trc and .trt in:");
}

TEST(FolderListing, LeavesTheOpenTrackAlone) {
  // The listing owns its store; the caller's track, with unsaved edits, stays as it was.
  TempDir dir;
  WriteTrt(dir.File("open.trt"), 4);
  WriteTrc(dir.File("other.trc"), {0, 1000, 2000});
  TrackStore open;
  TrackBlock scratch;
  ScriptedPrompts prompts;
  const SettingsValues settings;
  readtrackfile(open, scratch, dir.File("open.trt"), 0, settings.Reader(false), prompts);
  open.DataChanged = true;

  Listed l;
  List(l, dir.path().string(), ListType::Both);
  ASSERT_EQ(l.listing.Rows().size(), 2u);
  EXPECT_EQ(open.TrackCount, 4);
  EXPECT_TRUE(open.DataChanged && open.IsTRT);
  EXPECT_EQ(open.TrackFileName, "open.trt");
}

TEST(FolderListing, RealRecordings) {
  WL_REQUIRE_REALDATA(dir);
  Listed l;
  List(l, dir, ListType::Both);
  EXPECT_TRUE(l.prompts.shown.empty());
  ASSERT_EQ(l.listing.Rows().size(), 9u);
  const auto names = Names(l.listing);
  EXPECT_EQ(names[0] + " " + names[3] + " " + names[4],
            "irene_2008-06-04.trc irene_2008-07-11.trt irene_2008-07-11_ct.trt");
  // Same points in both formats give the same length.
  EXPECT_EQ(l.listing.Rows()[2].distance, l.listing.Rows()[3].distance);
  EXPECT_EQ(l.listing.Rows()[2].points, 6393);
  EXPECT_NEAR(l.listing.Rows()[2].distance, 23.4, 0.5);
}

}  // namespace
}  // namespace wl
