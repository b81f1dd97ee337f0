#include "track/track_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "support/test_support.h"
#include "track/date_format.h"
#include "track/real48.h"
#include "track/track_writer.h"

namespace wl {
namespace {

constexpr double kPi = 3.14159265358979;
using Texts = std::vector<std::string>;

std::string TrcRecord(int32_t lat, double sog = 6.5, double time = 39571.5) {
  TrackRec r;
  r.Pos = {lat, -lat};
  r.COG = 1234;
  r.Spare1 = -2;
  r.Spare2 = 7;
  r.SOGReal = DblToReal48(sog);
  r.Time = time;
  r.Depth = 55;
  unsigned char b[kTrcRecordSize];
  EncodeTrcRecord(r, b);
  return std::string(reinterpret_cast<const char*>(b), kTrcRecordSize);
}

// A point line: the time field, then fields 1..15.
std::string Pt(const std::string& time, const std::string& rest) { return time + "," + rest; }
const std::string kPlain = "52.5,4.1,6.5,3.14159265358979,0,0,12.34,4.0,3.14159265358979,1.5,10,20,0,1.0,5.25";
const std::string kLine = Pt("20080503 12:00:00", kPlain);

struct Rig {
  test::TempDir dir;
  TrackStore store;
  TrackBlock scratch;
  test::ScriptedPrompts prompts;
  ReaderSettings settings;

  ReadResult Read(const std::string& name, const std::string& bytes, int32_t insertPos = 0) {
    test::WriteFile(dir.File(name), bytes);
    return readtrackfile(store, scratch, dir.File(name), insertPos, settings, prompts);
  }
  ReadResult Open(const std::string& name, const std::string& bytes) {
    store.TrackCount = 0;
    return Read(name, bytes);
  }
};

TEST(TrcReader, CompleteRecordsDecodedStateSetAndCommentsCleared) {
  Rig rig;
  EXPECT_EQ(rig.Open("empty.trc", "").outcome, ReadOutcome::Inserted);
  EXPECT_EQ(rig.store.TrackCount, 0);
  rig.store.IsTRT = true;
  rig.store.TrackComments = "---- /* from a trt";
  EXPECT_EQ(rig.Open("two.trc", TrcRecord(3150000) + TrcRecord(-1, -1.0, 40000.25) + "12345").points, 2);
  ASSERT_EQ(rig.store.TrackCount, 2);
  const TrackRec& a = rig.store.TrackRecs[0];
  EXPECT_EQ(a.Pos, (PosRec{3150000, -3150000}));
  EXPECT_EQ(a.SOG, 6.5f);
  EXPECT_EQ(a.Time, 39571.5);
  EXPECT_EQ(rig.store.Line(0), "");
  EXPECT_EQ(rig.store.TrackRecs[1].SOG, -1.0f);
  EXPECT_EQ(rig.store.TrackRecs[1].Time, 40000.25);
  rig.store.TrackComments = "---- /* from a trt";
  rig.Read("TRACK.TRC", TrcRecord(3), 1);  // an insertion clears comments too
  EXPECT_TRUE(rig.store.IsTRC);
  EXPECT_FALSE(rig.store.IsTRT);
  EXPECT_EQ(rig.store.TrackFileName, "TRACK.TRC");
  EXPECT_EQ(rig.store.InputFileName, rig.dir.File("TRACK.TRC"));
  EXPECT_EQ(rig.store.TrackComments, "");
  ASSERT_EQ(rig.store.TrackCount, 3);
  EXPECT_EQ(rig.store.TrackRecs[1].Pos.Lat, 3);
  EXPECT_TRUE(rig.prompts.shown.empty());
}

TEST(TrcReader, TruncatesOnlyBeyondCapacity) {
  std::string full;
  for (int32_t i = 0; i < kTrackCapacity; ++i) full += TrcRecord(i);
  Rig rig;
  rig.Open("full.trc", full + "partial");
  EXPECT_EQ(rig.store.TrackCount, kTrackCapacity);
  EXPECT_TRUE(rig.prompts.shown.empty());
  EXPECT_EQ(rig.Open("over.trc", full + TrcRecord(-5)).points, kTrackCapacity);
  EXPECT_EQ(rig.store.TrackCount, kTrackCapacity);
  EXPECT_EQ(rig.store.TrackRecs[kTrackCapacity - 1].Pos.Lat, kTrackCapacity - 1);
  EXPECT_EQ(rig.prompts.Texts(), Texts{rig.dir.File("over.trc") + "\r\nTrackfile too long, truncated !!!"});
  EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
}

TEST(Reader, OtherKindsAndUnopenableFilesLeaveStoreAndStateUnchanged) {
  Rig rig;
  rig.Open("a.trt", kLine + "\r\n/* c\r\n");
  rig.store.CTNoticeDone = true;
  EXPECT_EQ(rig.Read("track.txt", TrcRecord(1)).outcome, ReadOutcome::NotATrackFile);
  EXPECT_TRUE(rig.prompts.shown.empty());
  std::filesystem::create_directory(rig.dir.File("folder.trc"));
  ASSERT_EQ(mkfifo(rig.dir.File("pipe.trt").c_str(), 0600), 0);
  test::WriteFile(rig.dir.File("huge.trt"), "");
  std::filesystem::resize_file(rig.dir.File("huge.trt"), (uintmax_t{1} << 30) + 1);  // sparse
  const std::pair<std::string, std::string> cases[] = {{rig.dir.File("missing.trc"), "No such file or directory"},
                                                       {rig.dir.File("folder.trc"), "Is a directory"},
                                                       {rig.dir.File("a.trt") + "/x.trt", "Not a directory"},
                                                       {rig.dir.File("pipe.trt"), "it is not a regular file"},
                                                       {rig.dir.File("huge.trt"), "File too large"}};
  for (const auto& [name, reason] : cases) {
    rig.prompts.shown.clear();
    EXPECT_EQ(readtrackfile(rig.store, rig.scratch, name, 0, rig.settings, rig.prompts).outcome,
              ReadOutcome::CannotOpen);
    EXPECT_EQ(rig.prompts.Texts(), Texts{name + "\r\ncould not be opened: " + reason});
    EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(rig.store.IsTRT);
  EXPECT_FALSE(rig.store.IsTRC);
  EXPECT_TRUE(rig.store.CTNoticeDone);
  EXPECT_EQ(rig.store.TrackFileName, "a.trt");
  EXPECT_EQ(rig.store.InputFileName, rig.dir.File("a.trt"));
  EXPECT_EQ(rig.store.TrackComments, "---- /* c");
  EXPECT_EQ(rig.store.TrackCount, 1);
}

TEST(TrtReader, FieldConversions) {
  Rig rig;
  rig.Open("a.trt", kLine + ",extra,\xe9\r\n");
  ASSERT_EQ(rig.store.TrackCount, 1);
  const TrackRec& r = rig.store.TrackRecs[0];
  EXPECT_EQ(r.Pos, (PosRec{3150000, 246000}));
  EXPECT_EQ(r.COG, 1800);
  EXPECT_EQ(r.SOG, 6.5f);
  EXPECT_EQ(r.Time, static_cast<double>(DaysFromCivil(2008, 5, 3)) + 0.5);
  EXPECT_EQ(r.Depth, 123);  // 12.34 m
  EXPECT_EQ(r.TWA, static_cast<float>(4.0 * 180 / kPi - 360));
  EXPECT_EQ(r.AWA, 180.0f);  // pi is not above 180 degrees
  EXPECT_EQ(r.TWD, static_cast<float>(1.5 * 180 / kPi));
  EXPECT_EQ(r.TWS, static_cast<float>(10.0 * 3600 / 1854));
  EXPECT_EQ(r.AWS, static_cast<float>(20.0 * 3600 / 1854));
  EXPECT_EQ(r.HDG, static_cast<float>(1.0 * 180 / kPi));
  EXPECT_EQ(r.WaterS, 5.25f);
  EXPECT_EQ(rig.store.Line(0), kLine + ",extra,\xe9");
  rig.Open("b.trt", Pt("20080503 12:00:00", "0,0,0,0,0,0,0,3.14159265358979,4.0,0,0,0,0,0,0"));
  EXPECT_EQ(rig.store.TrackRecs[0].TWA, 180.0f);
  EXPECT_EQ(rig.store.TrackRecs[0].AWA, static_cast<float>(4.0 * 180 / kPi - 360));
}

TEST(TrtReader, TrueHeadingRules) {
  Rig rig;
  rig.settings.useTrueHeading = true;
  auto hdg = [&](const std::string& f6, const std::string& f14) {
    rig.Open("h.trt", "20080503 12:00:00,0,0,0,0,0," + f6 + ",0,0,0,0,0,0,0," + f14 + ",0");
    EXPECT_EQ(rig.store.TrackCount, 1);
    return rig.store.TrackRecs[0].HDG;
  };
  EXPECT_EQ(hdg("0", "0"), 359.0f);                 // 358.8 with the default deviation -1.2
  EXPECT_EQ(hdg("0.01745", "1.0"), 58.0f);          // 58.29 with the recorded variation
  EXPECT_EQ(hdg("0", "-7"), 318.0f);                // -42.27 wraps up, not to -42
  EXPECT_EQ(hdg("0", "0.0226893"), 0.0f);           // 360.1 rounds to 360: 0
  EXPECT_FALSE(std::signbit(hdg("-12.56637061435916", "0")));  // -360 gives 0, not -0
  rig.settings.defaultDeviation = "3";
  EXPECT_EQ(hdg("0", "0"), 3.0f);
  EXPECT_TRUE(rig.store.TrueHeading);
  rig.settings.useTrueHeading = false;
  EXPECT_EQ(hdg("0", "-7"), static_cast<float>(-7 * 180 / kPi));
  EXPECT_FALSE(rig.store.TrueHeading);
}

TEST(TrtReader, HeadingRepairRewritesField14) {
  Rig rig;
  rig.settings.repairHeading = true;
  const std::string head = "20080503 12:00:0", cog = ",0,0,0,1.745329,0,0,0,0,0,0,0,0,0,";  // COG 100.0 degrees
  rig.Open("r.trt", head + "0" + cog + "4.01425727958696,0,tail\r\n" + head + "1" + cog + "0.5,0\r\n");  // 230 deg
  ASSERT_EQ(rig.store.TrackCount, 2);
  EXPECT_EQ(rig.store.TrackRecs[0].HDG, 102.0f);
  char expected[40];
  std::snprintf(expected, sizeof expected, "%.15g", 102.0 * kPi / 180);
  EXPECT_EQ(rig.store.Line(0), head + "0" + cog + expected + ",0,tail");
  // Field 14 is rewritten from the 32-bit heading also when the repair leaves it as it was.
  const float kept = static_cast<float>(0.5 * 180 / kPi);
  EXPECT_EQ(rig.store.TrackRecs[1].HDG, kept);
  std::snprintf(expected, sizeof expected, "%.15g", static_cast<double>(kept) * kPi / 180);
  EXPECT_EQ(rig.store.Line(1), head + "1" + cog + expected + ",0");
}

TEST(HDGcorrect, ShiftsOnlyTheTwoFaultyCombinations) {
  const std::tuple<float, float, float> cases[] = {{230, 100, 102}, {50, 10, 280},  {218, 100, 218}, {50, 100, 50},
                                                   {39, 251, 269},  {129, 19.9f, 359}, {130, 10, 130}, {300, 70, 300}};
  for (const auto& [hdg, cog, want] : cases) EXPECT_EQ(HDGcorrect(hdg, cog), want) << hdg << " " << cog;
}

TEST(TrtReader, CommentsCollectedAndNumberedByPointCount) {
  Rig rig;
  const std::string p = kLine + "\r\n";
  rig.Open("c.trt", "/* only\r\n/* comments\r\n");
  EXPECT_EQ(rig.store.TrackCount, 0);
  EXPECT_EQ(rig.store.TrackComments, "---- /* only\r\n0000 /* comments");
  rig.Open("c.trt", p + p + p + "/* x\r\n/* y");
  EXPECT_EQ(rig.store.TrackComments, "---- /* x\r\n0003 /* y");
  rig.Open("c.trt", p + p + p + "/* first\r\n" + p + "/* second\r\n");
  EXPECT_EQ(rig.store.TrackCount, 4);
  EXPECT_EQ(rig.store.TrackComments, "---- /* first\r\n0004 /* second");
  // An insertion at a later index adds to the comments; one at index 0 starts afresh.
  rig.Read("d.trt", p + "/* inserted\r\n", 2);
  EXPECT_EQ(rig.store.TrackComments, "---- /* first\r\n0004 /* second\r\n0001 /* inserted");
  rig.Read("d.trt", p + "/* inserted\r\n", 0);
  EXPECT_EQ(rig.store.TrackComments, "---- /* inserted");
}

TEST(TrtReader, EveryLineEndEndsALine) {
  const std::string a = kLine, b = Pt("20080503 12:00:02", kPlain);
  for (const std::string& text : {a + "\r\n" + b + "\r\n", a + "\n" + b + "\n", a + "\r" + b + "\r", a + "\r\n" + b,
                                  a + "\n" + b, a + "\r" + b + "\r\n"}) {
    Rig rig;
    rig.Open("e.trt", text);
    ASSERT_EQ(rig.store.TrackCount, 2);
    EXPECT_EQ(rig.store.Line(0), a);
    EXPECT_EQ(rig.store.Line(1), b);
    EXPECT_TRUE(rig.prompts.shown.empty());
  }
}

TEST(TrtReader, UnreadableLinesSkippedAndReportedOnce) {
  Rig rig;
  const std::string good = kLine + "\r\n";
  const std::string text = good + "\r\n\n" +                                 // empty lines: silent
                           "20080503 12:00:00,1,2,3\r\n" +                  // too few fields
                           "   \r\n" +                                      // blanks only
                           Pt("x", "1e6,0,0,0,0,0,0,0,0,0,0,0,0,0,0") + "\r\n" +    // latitude overflow
                           Pt("x", "0,0,0,0,0,0,4000,0,0,0,0,0,0,0,0") + "\r\n" +   // depth overflow
                           Pt("x", "0,0,1e39,0,0,0,0,0,0,0,0,0,0,0,0") + "\r\n" +   // SOG beyond float
                           Pt("x", "0,0,0,0,0,0,0,0,0,0,0,0,0,1e999,0") + "\r\n" +  // infinite heading
                           Pt("bad time", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0") + "\r\n" + good;
  EXPECT_EQ(rig.Open("s.trt", text).skippedLines, 6);
  ASSERT_EQ(rig.store.TrackCount, 3);
  EXPECT_EQ(rig.store.TrackRecs[1].Time, 0);  // an unreadable time is no reason to skip
  EXPECT_EQ(rig.prompts.Texts(), Texts{rig.dir.File("s.trt") + "\r\nLines that could not be read were skipped: 6"});
  EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
}

TEST(TrtReader, MessagesComeInReadingOrderBeforeTheInsertionRefusal) {
  Rig rig;
  rig.store.TrackCount = kTrackCapacity - 1;
  rig.Read("m.trt", Pt("20080115 12:00:00 CT", kPlain) + "\r\nshort\r\n" + Pt("20080115 12:00:02 CT", kPlain), 5);
  const std::string name = rig.dir.File("m.trt");
  EXPECT_EQ(rig.prompts.Texts(), (Texts{"date is before start summertime, check time difference: 02:00:00",
                                        name + "\r\nLines that could not be read were skipped: 1",
                                        "inserting: " + name + "\r\nCombined files too long, will not process "}));
  EXPECT_EQ(rig.store.TrackCount, kTrackCapacity - 1);
  EXPECT_TRUE(rig.store.CTNoticeDone);
}

TEST(TrtReader, TruncatesWhenALineRemainsAfterCapacity) {
  std::string full;
  for (int32_t i = 0; i < kTrackCapacity; ++i) full += kLine + "\r\n";
  for (const auto& [tail, message] : std::vector<std::pair<std::string, bool>>{
           {"", false}, {"/* after\r\n", true}, {"\r\n", true}, {Pt("x", kPlain), true}}) {
    Rig rig;
    EXPECT_EQ(rig.Open("t.trt", full + tail).points, kTrackCapacity);
    EXPECT_EQ(rig.store.TrackCount, kTrackCapacity);
    EXPECT_EQ(rig.prompts.Texts(),
              message ? Texts{rig.dir.File("t.trt") + "\r\nTrackfile too long, truncated !!!"} : Texts{});
    EXPECT_EQ(rig.store.TrackComments, "");
  }
  Rig rig;
  rig.Open("t.trt", full.substr(0, full.size() - 2));
  EXPECT_EQ(rig.store.TrackCount, kTrackCapacity);
  EXPECT_TRUE(rig.prompts.shown.empty());
}

TEST(TrtReader, CtStateIsPerFile) {
  Rig rig;
  const std::string ct = Pt("20080115 12:00:00 CT", kPlain) + "\r\n";
  rig.Open("a.trt", ct + ct);
  rig.Read("b.trt", ct, 1);
  EXPECT_EQ(rig.prompts.shown.size(), 2u);  // once per file
  EXPECT_TRUE(rig.store.CTNoticeDone);
  EXPECT_EQ(rig.store.TrackRecs[0].Time, rig.store.TrackRecs[1].Time);
}

}  // namespace
}  // namespace wl
