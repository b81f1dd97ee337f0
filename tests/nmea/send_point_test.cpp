#include "nmea/send_point.h"

#include <gtest/gtest.h>

#include "nmea_test_support.h"
#include "track/date_format.h"

namespace wl {
namespace {

double Utc(int y, int mo, int d, int h, int mi, int s) {
  return static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

ProcRec Point() {
  ProcRec r;
  r.Pos = {3132345, -252345};  // 52°12.345' N, 4°12.345' W
  r.Time = Utc(2021, 6, 12, 9, 30, 50);
  r.uiSOG = 5.2f, r.uiCOG = 45, r.AWS = 12.3f, r.AWA = -35.5f, r.WaterS = 4.87f, r.Depth = 123;
  r.HDG = 47.5f, r.TWA = -48.2f, r.TWS = 15.5f;
  return r;
}

struct SendPointTest : ::testing::Test {
  SendPointTest() {
    settings.nmeaOut = settings.depth = settings.vhw = settings.wind = true;
    settings.sendHeading = settings.sendTrueWind = true;
    settings.windDirVar = settings.windSpdVar = settings.hdgVar = settings.logSpdVar = settings.dptVar = "0";
  }
  // Sends one point into a fresh capture and returns everything written.
  std::string Send(bool isTRT, bool trueHeading = false) {
    output.writes.clear();
    NmeaSender sender{settings, isTRT, output, random, clock, trueHeading};
    std::string error;
    EXPECT_TRUE(SendPointNMEA(Point(), sender, error)) << error;
    return output.All();
  }
  SettingsValues settings;
  test::CaptureOutput output;
  test::ScriptedRandom random;
  FixedClock clock{Utc(2024, 6, 1, 12, 0, 0)};
};

// The recorded burst's sentences, and the sentence time from the clock or the point, are pinned by
// the command line's nmea cases.
TEST_F(SendPointTest, TrtSendsRecordedValuesOneSentenceAtATime) {
  Send(true, true);
  EXPECT_EQ(output.writes.size(), 6u);
  EXPECT_EQ(output.writes[3], "$HEHDT,047.5,T*29\r\n");
  EXPECT_EQ(random.draws, 0);
}

TEST_F(SendPointTest, TrcSendsSimulatedValuesAndNothingRecorded) {
  settings.checksumAll = false;
  EXPECT_EQ(Send(false),
            "$GPRMC,120000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*76\r\n"
            "$STDBT,,f,0005.0,M,,F\r\n"
            "$STVHW,,,045.0,M,000.00,N,,\r\n"
            "$WIMWV,-135.0,T,15.0,N,A\r\n");
  EXPECT_EQ(random.draws, 5);
}

TEST_F(SendPointTest, DrawsOneNumberPerVariedValueInOrder) {
  settings.hdgVar = settings.windDirVar = "2";
  settings.logSpd = "10";
  settings.logSpdVar = settings.windSpdVar = "5";
  settings.depth = settings.checksumAll = false;
  settings.windSentence = WindSentence::VWR;
  random.values = {0.75, 0.25, 0.75, 0.25};
  Send(false);
  ASSERT_EQ(output.writes.size(), 3u);
  EXPECT_EQ(output.writes[1], "$STVHW,,,046.8,M,009.88,N,,\r\n");             // heading first, then log
  EXPECT_EQ(output.writes[2], "$STVWR,136.8,L,015.2,N,007.8,m,028.2,K\r\n");  // knots first, then angle
}

TEST_F(SendPointTest, OpensOnceOnlyWhenOnAndAFailedWriteEndsTheBurst) {
  settings.nmeaOut = false;
  EXPECT_EQ(Send(true), "");
  EXPECT_EQ(output.opens, 0);
  settings.nmeaOut = true;
  Send(true);
  Send(true);
  EXPECT_EQ(output.opens, 1);

  std::string error;
  test::CaptureOutput failing;
  failing.failAfter = 1;
  NmeaSender sender{settings, true, failing, random, clock};
  EXPECT_FALSE(SendPointNMEA(Point(), sender, error));
  EXPECT_EQ(error, "write failed");
  EXPECT_EQ(failing.writes.size(), 1u);  // the rest of the burst is not attempted
}

}  // namespace
}  // namespace wl
