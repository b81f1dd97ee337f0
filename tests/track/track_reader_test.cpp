#include "track/track_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>

#include "track_rig.h"

namespace wl {
namespace {

using Texts = std::vector<std::string>;

// The first two records of irene_2008-07-11.trc: 20080711 10:31:44 and 10:31:46.
const std::string kTrcRecords(
    "\x02\x56\x2a\x00\xbd\xa7\x05\x00\x2e\x04\x00\x00\x00\x00\x83\x00\x00\x00\x00\x40\x81\x59\xdc\x09"
    "\x0e\x5b\xe3\x40\x00\x00\x00\x56\x2a\x00\xc2\xa7\x05\x00\x42\x04\x00\x00\x00\x00\x83\x00\x00\x33"
    "\x33\x43\x13\xe5\x0c\x0a\x0e\x5b\xe3\x40\x6f\x01",
    60);
// Point 17 of irene_2008-07-11.trt: on port tack, both wind angles above 180 degrees.
const std::string kLine =
    "20080711 10:32:16,46.242100,6.178100,5.3,6.00393,0,0,10.4,3.61283,4.08407,3.26377,6.636,4.784,0,5.93412,5.1";
const std::string kTooLong = "\r\nTrackfile too long, truncated !!!";

using Rig = test::TrackRig;

TEST(TrcReader, RecordsOfARealPlotterFile) {
  Rig rig;
  EXPECT_EQ(rig.Open("empty.trc", "").outcome, ReadOutcome::Inserted);
  rig.store.IsTRT = true;
  rig.store.TrackComments = "---- /* from a trt";
  // The extension's case does not matter; a trailing partial record is ignored.
  EXPECT_EQ(rig.Open("TRACK.TRC", kTrcRecords + "12345").points, 2);
  const TrackRec &a = rig.Rec(0), &b = rig.Rec(1);
  EXPECT_TRUE(a.Pos == (PosRec{2774530, 370621}) && a.COG == 1070 && a.SOG == 6.0f && a.Time == 39640.4387037037);
  EXPECT_TRUE(b.SOG == 6.1f && b.Depth == 367);
  EXPECT_TRUE(rig.store.IsTRC && !rig.store.IsTRT && rig.store.TrackComments.empty() && rig.store.Line(0).empty());
  EXPECT_EQ(rig.store.TrackFileName + " " + rig.store.InputFileName, "TRACK.TRC " + rig.dir.File("TRACK.TRC"));
  EXPECT_TRUE(rig.prompts.shown.empty());
}

TEST(Reader, OtherKindsAndUnopenableFilesLeaveStoreAndStateUnchanged) {
  Rig rig;
  rig.Open("a.trt", kLine + "\r\n/* c\r\n");
  rig.store.CTNoticeDone = true;
  EXPECT_EQ(rig.Read("track.txt", kTrcRecords).outcome, ReadOutcome::NotATrackFile);
  EXPECT_TRUE(rig.prompts.shown.empty());
  std::filesystem::create_directory(rig.dir.File("folder.trc"));
  ASSERT_EQ(mkfifo(rig.dir.File("pipe.trt").c_str(), 0600), 0);
  test::WriteFile(rig.dir.File("huge.trt"), "");
  std::filesystem::resize_file(rig.dir.File("huge.trt"), (uintmax_t{1} << 30) + 1);  // sparse
  for (const auto& [name, reason] : {std::pair{rig.dir.File("folder.trc"), "Is a directory"},
                                     {rig.dir.File("pipe.trt"), "it is not a regular file"},
                                     {rig.dir.File("huge.trt"), "File too large"}}) {
    rig.prompts.shown.clear();
    EXPECT_EQ(readtrackfile(rig.store, rig.scratch, name, 0, rig.settings, rig.prompts).outcome,
              ReadOutcome::CannotOpen);
    EXPECT_EQ(rig.prompts.Texts(), Texts{name + "\r\ncould not be opened: " + reason});
    EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(rig.store.IsTRT && !rig.store.IsTRC && rig.store.CTNoticeDone && rig.store.TrackCount == 1);
  EXPECT_EQ(rig.store.InputFileName + "|" + rig.store.TrackComments, rig.dir.File("a.trt") + "|---- /* c");
}

TEST(TrtReader, FieldsOfARealLoggerLine) {
  Rig rig;
  rig.Open("a.trt", kLine + ",extra,\xe9\r\n");
  ASSERT_EQ(rig.store.TrackCount, 1);
  const TrackRec& r = rig.Rec(0);
  EXPECT_TRUE(r.Pos == (PosRec{2774526, 370686}) && r.COG == 3440 && r.SOG == 5.3f && r.Depth == 104);
  EXPECT_TRUE(r.Time == 39640.43907407407 && r.WaterS == 5.1f);
  // 207 and 234 degrees are over 180; 6.636 m/s at 1854 m to the mile.
  const std::pair<float, double> wind[] = {{r.TWA, -153.0001}, {r.AWA, -126.0000}, {r.TWD, 187.0002},
                                           {r.TWS, 12.8854},   {r.AWS, 9.2893},    {r.HDG, 340.0000}};
  for (const auto& [got, want] : wind) EXPECT_NEAR(got, want, 1e-4);
  EXPECT_EQ(rig.store.Line(0), kLine + ",extra,\xe9");
  // Exactly pi is not above 180 degrees.
  rig.Open("b.trt", "20080503 12:00:00,0,0,0,0,0,0,0,3.14159265358979,0,0,0,0,0,0,0");
  EXPECT_EQ(rig.Rec(0).TWA, 180.0f);
}

TEST(TrtReader, TrueHeadingRules) {
  Rig rig;
  auto hdg = [&](const std::string& f6, const std::string& f14) {
    rig.Open("h.trt", "20080503 12:00:00,0,0,0,0,0," + f6 + ",0,0,0,0,0,0,0," + f14 + ",0");
    return rig.Rec(0).HDG;
  };
  rig.settings.useTrueHeading = true;
  EXPECT_EQ(hdg("0", "0"), 359.0f);                 // 358.8 with the default deviation -1.2
  EXPECT_EQ(hdg("0.01745", "1.0"), 58.0f);          // 58.29 with the recorded variation
  EXPECT_EQ(hdg("0", "-7"), 318.0f);                // -42.27 wraps up, not to -42
  EXPECT_EQ(hdg("0", "0.0226893"), 0.0f);           // 360.1 rounds to 360: 0
  EXPECT_FALSE(std::signbit(hdg("-12.56637061435916", "0")));  // -360 gives 0, not -0
  rig.settings.defaultDeviation = "3";
  EXPECT_EQ(hdg("0", "0"), 3.0f);
  EXPECT_TRUE(rig.store.TrueHeading);
  rig.settings.useTrueHeading = false;
  EXPECT_EQ(hdg("0", "-7"), -401.0704651f);  // as recorded, not wrapped
  EXPECT_FALSE(rig.store.TrueHeading);
}

TEST(TrtReader, HeadingRepairRewritesField14) {
  Rig rig;
  rig.settings.repairHeading = true;
  const std::string head = "20080503 12:00:0", cog = ",0,0,0,1.745329,0,0,0,0,0,0,0,0,0,";  // COG 100.0 degrees
  rig.Open("r.trt", head + "0" + cog + "4.01425727958696,0,tail\r\n" + head + "1" + cog + "0.5,0\r\n");  // 230 deg
  ASSERT_EQ(rig.store.TrackCount, 2);
  EXPECT_EQ(rig.Rec(0).HDG, 102.0f);
  EXPECT_EQ(rig.store.Line(0), head + "0" + cog + "1.78023583703421,0,tail");
  // Field 14 is rewritten from the 32-bit heading also when the repair leaves it as it was.
  EXPECT_EQ(rig.store.Line(1), head + "1" + cog + "0.500000005836402,0");
}

TEST(TrtReader, CommentsCollectedAndNumberedByPointCount) {
  Rig rig;
  const std::string p = kLine + "\r\n";
  rig.Open("c.trt", "/* only\r\n/* comments\r\n");
  EXPECT_EQ(rig.store.TrackCount, 0);
  EXPECT_EQ(rig.store.TrackComments, "---- /* only\r\n0000 /* comments");
  rig.Open("c.trt", p + p + p + "/* first\r\n" + p + "/* second\r\n");
  EXPECT_EQ(rig.store.TrackComments, "---- /* first\r\n0004 /* second");
  // An insertion at a later index adds to the comments; one at index 0 starts afresh.
  rig.Read("d.trt", p + "/* inserted\r\n", 2);
  EXPECT_EQ(rig.store.TrackComments, "---- /* first\r\n0004 /* second\r\n0001 /* inserted");
  rig.Read("d.trt", p + "/* inserted\r\n", 0);
  EXPECT_EQ(rig.store.TrackComments, "---- /* inserted");
}

// Line ends, unreadable lines and the summertime notice per file are in the CLI's reader cases.
TEST(TrtReader, TruncatesWhenALineRemainsAfterCapacity) {
  std::string full;
  for (int32_t i = 0; i < kTrackCapacity; ++i) full += "20080711 10:32:16,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
  for (const auto& [tail, message] : {std::pair{"", false}, {"/* after\r\n", true}, {"\r\n", true}}) {
    Rig rig;
    EXPECT_EQ(rig.Open("t.trt", full + tail).points, kTrackCapacity);
    EXPECT_EQ(rig.prompts.Texts(), message ? Texts{rig.dir.File("t.trt") + kTooLong} : Texts{});
    EXPECT_EQ(rig.store.TrackComments, "");
  }
}

}  // namespace
}  // namespace wl
