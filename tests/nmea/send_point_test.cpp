#include "nmea/send_point.h"

#include <gtest/gtest.h>

#include "nmea_test_support.h"
#include "track/date_format.h"

namespace wl {
namespace {

ProcRec Point() {
  ProcRec r;
  r.Pos = {3132345, -252345};  // 52°12.345' N, 4°12.345' W
  r.uiSOG = 5.2f, r.uiCOG = 45, r.AWS = 12.3f, r.AWA = -35.5f, r.WaterS = 4.87f, r.Depth = 123;
  return r;
}

double LocalTime(int d, int h, int mi) { return static_cast<double>(DaysFromCivil(2024, 6, d)) + (h * 3600 + mi * 60) / 86400.0; }

struct SendPointTest : ::testing::Test {
  SendPointTest() {
    settings.nmeaOut = settings.depth = settings.vhw = settings.wind = true;
    settings.windDirVar = settings.windSpdVar = settings.hdgVar = settings.logSpdVar = settings.dptVar = "0";
  }
  // Sends one point into a fresh capture and returns everything written.
  std::string Send(bool isTRT) {
    output.writes.clear();
    NmeaSender sender{settings, isTRT, output, random, clock};
    std::string error;
    EXPECT_TRUE(SendPointNMEA(Point(), sender, error)) << error;
    return output.All();
  }
  SettingsValues settings;
  test::CaptureOutput output;
  test::ScriptedRandom random;
  FixedClock clock{LocalTime(1, 12, 0)};
};

TEST_F(SendPointTest, TrtSendsRecordedValuesTrcSimulatedOnes) {
  EXPECT_EQ(Send(true),
            "$GPRMC,100000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*74\r\n"
            "$STDBT,,,0012.3,M\r\n"
            "$STVHW,,,045.0,M,004.87,N,,\r\n"
            "$WIMWV,-35.5,R,12.3,N,A\r\n");
  EXPECT_EQ(output.writes.size(), 4u);  // each sentence on its own
  EXPECT_EQ(random.draws, 0);
  EXPECT_EQ(Send(false),
            "$GPRMC,120000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*76\r\n"
            "$STDBT,,,0005.0,M\r\n"
            "$STVHW,,,045.0,M,000.00,N,,\r\n"
            "$WIMWV,-135.0,T,15.0,N,A\r\n");
  EXPECT_EQ(random.draws, 5);
}

TEST_F(SendPointTest, WindSentenceChoiceAndChecksumAll) {
  settings.depth = settings.vhw = false;
  settings.windSentence = WindSentence::VWR;
  settings.checksumAll = true;
  EXPECT_EQ(Send(true),
            "$GPRMC,100000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*74\r\n"
            "$STVWR,035.5,L,012.3,N,006.3,m,022.8,K*7E\r\n");
  EXPECT_EQ(Send(false).substr(70), "$STVWR,135.0,L,015.0,N,007.7,m,027.8,K*7E\r\n");
  settings.windSentence = WindSentence::MWD;  // sends no wind sentence
  Send(false);
  EXPECT_EQ(output.writes.size(), 1u);
}

TEST_F(SendPointTest, DrawsOneNumberPerVariedValueInOrder) {
  settings.hdgVar = settings.windDirVar = "2";
  settings.logSpd = "10";
  settings.logSpdVar = settings.windSpdVar = "5";
  settings.depth = false;
  settings.windSentence = WindSentence::VWR;
  random.values = {0.75, 0.25, 0.75, 0.25};
  Send(false);
  ASSERT_EQ(output.writes.size(), 3u);
  EXPECT_EQ(output.writes[1], "$STVHW,,,046.8,M,009.88,N,,\r\n");             // heading first, then log
  EXPECT_EQ(output.writes[2], "$STVWR,136.8,L,015.2,N,007.8,m,028.2,K\r\n");  // knots first, then angle

  settings.vhw = settings.wind = false;
  settings.depth = true;
  settings.dpt = "10";
  settings.dptVar = "20";
  random.values = {0.0};
  EXPECT_EQ(Send(false).substr(70), "$STDBT,,,0009.0,M\r\n");
}

TEST_F(SendPointTest, TimeOffsetSignAndMidnight) {
  settings.depth = settings.vhw = settings.wind = false;
  clock.Set(LocalTime(1, 1, 30));
  EXPECT_EQ(Send(true).substr(7, 6), "233000");
  EXPECT_NE(output.All().find(",310524,"), std::string::npos);
  settings.timeOffsetSign = true;
  clock.Set(LocalTime(1, 23, 0));
  EXPECT_EQ(Send(true).substr(7, 6), "010000");
  EXPECT_NE(output.All().find(",020624,"), std::string::npos);
  EXPECT_EQ(Send(false).substr(7, 6), "230000");  // no offset for other files
}

TEST_F(SendPointTest, OpensOnceOnlyWhenOnAndReportsFailures) {
  settings.nmeaOut = false;
  EXPECT_EQ(Send(true), "");
  EXPECT_EQ(output.opens, 0);
  settings.nmeaOut = true;
  Send(true);
  Send(true);
  EXPECT_EQ(output.opens, 1);

  std::string error;
  test::CaptureOutput refusing;
  refusing.openError = "cannot open serial port /dev/ttyUSB9: No such file or directory";
  NmeaSender sender{settings, true, refusing, random, clock};
  EXPECT_FALSE(SendPointNMEA(Point(), sender, error));
  EXPECT_EQ(error, refusing.openError);
  test::CaptureOutput failing;
  failing.failAfter = 1;
  NmeaSender sender2{settings, true, failing, random, clock};
  EXPECT_FALSE(SendPointNMEA(Point(), sender2, error));
  EXPECT_EQ(error, "write failed");
  EXPECT_EQ(failing.writes.size(), 1u);  // the rest of the burst is not attempted
}

}  // namespace
}  // namespace wl
