#include "folderlist/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_support.h"

namespace wl {
namespace {

using Names = std::vector<std::string>;

// TRC records on the meridian 0, one per latitude in 1/60000 degree (1000 units: a minute of arc,
// 1.000046 nm on the program's sphere).
void WriteTrc(const std::string& path, const std::vector<int32_t>& lats) {
  std::string bytes;
  for (int32_t lat : lats) {
    std::string record(30, '\0');
    for (size_t b = 0; b < 4; ++b) record[b] = static_cast<char>(static_cast<uint32_t>(lat) >> (8 * b));
    bytes += record;
  }
  test::WriteFile(path, bytes);
}

struct Listed {
  explicit Listed(const std::string& folder, ListType type = ListType::Both) {
    const auto onProgress = [&](const std::string& p) { progress.push_back(p); };
    opened = listing.ShowList(folder, type, ReaderSettings{}, prompts, onProgress);
    for (const ListRow& r : listing.Rows()) names.push_back(r.name);
  }
  FolderListing listing;
  test::ScriptedPrompts prompts;
  std::vector<std::string> progress;
  Names names;
  bool opened = false;
};

TEST(FolderListingNames, MatchingComparisonAndSortOrder) {
  // Only the last three characters decide the type.
  for (auto [name, type, match] : {std::tuple{"x.ttrc", ListType::TRC, true}, {"c.Trt", ListType::Both, true},
                                   {"c.trt", ListType::TRC, false}, {"a.trc ", ListType::Both, false}})
    EXPECT_EQ(MatchesListType(name, type), match) << name;
  // Prefixes of the shorter length are compared ("." before "c"); equal prefixes count as smaller
  // whichever comes first; by character code after lower-casing; bytes above ASCII unsigned.
  for (auto [a, b, order] : {std::tuple{"ab.trc", "abc.trc", -1}, {"abc.trc", "ab.trc", 1}, {"B.trc", "a.TRC", 1},
                             {"ab.trc", "ab", -1}, {"ab", "ab.trc", -1}, {"aZ.trc", "a_.trc", 1},
                             {"\xC9.trc", "z.trc", 1}})
    EXPECT_EQ(CompareListNames(a, b), order) << a << " " << b;
  // Where the comparison has no opinion the shorter name goes first, which keeps the order
  // transitive: a.trc < a.trc1.trc < a.trc2.trc.
  for (auto [a, b] : {std::pair{"a.TRC", "B.trc"}, {"a.trc", "a.trc2.trc"}, {"a.trc1.trc", "a.trc2.trc"}}) {
    EXPECT_TRUE(ListNameBefore(a, b)) << a << " " << b;
    EXPECT_FALSE(ListNameBefore(b, a)) << a << " " << b;
  }
  EXPECT_FALSE(ListNameBefore("A.trc", "a.trc"));
}

TEST(FolderListingNames, InitialFolderAndProgress) {
  for (auto [file, folder] : {std::pair{"/home/sailor/tracks/race.trt", "/home/sailor/tracks"},
                              {"C:\\tracks\\race.trc", "C:\\tracks"}, {"/race.trc", "/"}, {"race.trc", ""}})
    EXPECT_EQ(ListFolderFromLastFile(file), folder) << file;
  EXPECT_EQ(ListProgressText(2, 3), "66%");
  EXPECT_EQ(ListProgressText(40000, 40000), "100%");  // no overflow
}

// Distances have one decimal, right-aligned, in the copy; a selection dragged upwards copies nothing.
TEST(FolderListing, ListsOnlyTheChosenTypeSortedWithSummaryAndCopy) {
  test::TempDir dir;
  const std::string folder = dir.path().string();
  WriteTrc(dir.File("B.trc"), {0, 12344});  // 12.34457 nm
  WriteTrc(dir.File("a.TRC"), {0});
  WriteTrc(dir.File("c.trt"), {0});
  const Listed l(folder, ListType::TRC);
  ASSERT_TRUE(l.opened);
  ASSERT_EQ(l.names, (Names{"a.TRC", "B.trc"}));
  EXPECT_EQ(l.listing.Summary(), folder + "\r\n2 files, total distance 12.34457");
  EXPECT_EQ(l.progress, (std::vector<std::string>{"50%", "100%"}));
  const std::string header = "Selected files of type .trc in:\r\n" + folder + "\r\n\r\n";
  EXPECT_EQ(l.listing.CopyAllText(), header + "       0.0\ta.TRC\r\n      12.3\tB.trc\r\n");
  EXPECT_EQ(l.listing.CopyText(1, 1), header + "      12.3\tB.trc\r\n");
  EXPECT_EQ(l.listing.CopyText(1, 0), "");
  EXPECT_EQ(Listed(folder).listing.CopyText(0, 0).substr(0, 40), "Selected files of type .trc and .trt in:");
}

// A later file with fewer points must not show points of an earlier one; a too long file is
// reported and listed truncated; hidden files, folders and other names are skipped.
TEST(FolderListing, EveryFileIsReadAfreshAndOnlyTrackFilesCount) {
  test::TempDir dir;
  WriteTrc(dir.File("big.trc"), std::vector<int32_t>(50, 0));
  WriteTrc(dir.File("long.trc"), std::vector<int32_t>(kTrackCapacity + 1, 0));
  WriteTrc(dir.File("one.trc"), {0});
  WriteTrc(dir.File("x.ttrc"), {0, 1000});  // matches, but the reader takes it for no track file
  test::WriteFile(dir.File("zero.trt"), "/* no points\r\n");
  WriteTrc(dir.File(".hidden.trc"), {0, 1000});
  std::filesystem::create_directory(dir.path() / "sub.trc");
  test::WriteFile(dir.File("notes.txt"), "x");
  ASSERT_EQ(mkfifo(dir.File("pipe.trt").c_str(), 0600), 0);

  const Listed l(dir.path().string());
  ASSERT_EQ(l.names, (Names{"big.trc", "long.trc", "one.trc", "x.ttrc", "zero.trt"}));
  for (auto [i, points] : {std::pair{0, 50}, {1, kTrackCapacity}, {2, 1}, {3, 0}, {4, 0}})
    EXPECT_EQ(l.listing.Rows()[static_cast<size_t>(i)].points, points) << i;
  EXPECT_EQ(l.listing.Rows()[3].distance, 0.0f);
  EXPECT_EQ(l.prompts.Texts(), Names{dir.File("long.trc") + "\r\nTrackfile too long, truncated !!!"});

  test::TempDir none;
  WriteTrc(none.File(".hidden.trc"), {0});
  const Listed empty(none.path().string());
  EXPECT_TRUE(empty.opened && empty.names.empty());
  EXPECT_EQ(empty.listing.Summary(), none.path().string() + "\r\nNo files of selected type in this directory");
  EXPECT_EQ(empty.listing.CopyAllText(), "");
}

// Every real recording reads without a message; "." sorts before "_".
TEST(FolderListing, RealRecordings) {
  WL_REQUIRE_REALDATA(dir);
  const Listed l(dir);
  EXPECT_TRUE(l.prompts.shown.empty());
  ASSERT_EQ(l.names.size(), 9u);
  EXPECT_EQ(l.names[3] + " " + l.names[4], "irene_2008-07-11.trt irene_2008-07-11_ct.trt");
}

}  // namespace
}  // namespace wl
