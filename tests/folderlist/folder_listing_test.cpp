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

// A later file with fewer points must not show points of an earlier one; hidden files, folders and
// pipes are skipped without a message; a selection dragged upwards copies nothing. The grid, the
// summary, the types and the copy of all rows are in the CLI's list cases.
TEST(FolderListing, EveryFileIsReadAfreshAndOnlyTrackFilesCount) {
  test::TempDir dir;
  WriteTrc(dir.File("big.trc"), std::vector<int32_t>(50, 0));
  WriteTrc(dir.File("one.trc"), {0, 12344});  // 12.34457 nm
  WriteTrc(dir.File(".hidden.trc"), {0, 1000});
  std::filesystem::create_directory(dir.path() / "sub.trc");
  ASSERT_EQ(mkfifo(dir.File("pipe.trt").c_str(), 0600), 0);
  const Listed l(dir.path().string());
  ASSERT_EQ(l.names, (Names{"big.trc", "one.trc"}));
  EXPECT_EQ(l.listing.Rows()[0].points, 50);  // whichever of the two the folder gives first
  EXPECT_EQ(l.listing.Rows()[1].points, 2);
  EXPECT_TRUE(l.prompts.shown.empty());
  EXPECT_EQ(l.progress, (std::vector<std::string>{"50%", "100%"}));
  const std::string header = "Selected files of type .trc and .trt in:\r\n" + dir.path().string() + "\r\n\r\n";
  EXPECT_EQ(l.listing.CopyText(1, 1), header + "      12.3\tone.trc\r\n");
  EXPECT_EQ(l.listing.CopyText(1, 0), "");
}

}  // namespace
}  // namespace wl
