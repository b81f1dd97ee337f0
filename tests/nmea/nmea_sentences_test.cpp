#include "nmea/nmea_sentences.h"

#include <gtest/gtest.h>

#include <limits>

#include "track/date_format.h"

namespace wl {
namespace {

const PosRec kPos{3132345, -252345};  // 52°12.345' N, 4°12.345' W

TEST(NmeaEndline, ChecksumOnlyOnGpSentencesUnlessAll) {
  EXPECT_EQ(NMEA_Endline("$GPRMC,120000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W", false), "*76\r\n");
  EXPECT_EQ(NMEA_Endline("$STDBT,,,0012.3,M", false), "\r\n");
  EXPECT_EQ(NMEA_Endline("$WIMWV,-35.5,R,12.3,N,A", false), "\r\n");
  EXPECT_EQ(NMEA_Endline("$STDBT,,,0012.3,M", true), "*06\r\n");
  EXPECT_EQ(NMEA_Endline("$WIMWV,-35.5,R,12.3,N,A", true), "*0D\r\n");
  EXPECT_EQ(NMEA_Endline("$GPTXT,0Y", false), "*0A\r\n");  // leading zero kept
}

TEST(RelAngle, WrapsIntoHalfOpenRangeRoundingHalfToEven) {
  const double cases[][3] = {{350, 10, -20}, {270, 45, -135}, {10, 190, 180}, {190, 10, 180}, {-500, 0, -140},
                             {-200, 0, 160}, {900, 0, 180},   {10.5, 0, 10},  {11.5, 0, 12},
                             {std::numeric_limits<double>::infinity(), 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(RelAngle(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(Builders, ByteExact) {
  const double noon = static_cast<double>(DaysFromCivil(2024, 6, 1)) + 0.5;
  EXPECT_EQ(BuildRMC(noon, kPos, 5.2f, 45.0f, false),
            "$GPRMC,120000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*76\r\n");
  const double justBefore = static_cast<double>(DaysFromCivil(2024, 5, 31)) + (23 * 3600 + 30 * 60) / 86400.0;
  EXPECT_EQ(BuildRMC(justBefore, kPos, 0, 0, false),
            "$GPRMC,233000,A,5212.345,N,00412.345,W,000.0,000.0,310524,001.6,W*71\r\n");
  EXPECT_EQ(BuildDBT(12.3, false), "$STDBT,,,0012.3,M\r\n");
  EXPECT_EQ(BuildDBT(4.8, true), "$STDBT,,,0004.8,M*0A\r\n");
  EXPECT_EQ(BuildVHW(45, 4.87f, false), "$STVHW,,,045.0,M,004.87,N,,\r\n");
  EXPECT_EQ(BuildMWV(-35.5, "R", 12.3f, "N", false), "$WIMWV,-35.5,R,12.3,N,A\r\n");
  EXPECT_EQ(BuildMWV(-20, "T", 15, "N", false), "$WIMWV,-20.0,T,15.0,N,A\r\n");
  EXPECT_EQ(BuildMWV(5.25, "T", 0, "N", false), "$WIMWV,05.3,T,0.0,N,A\r\n");
  EXPECT_EQ(BuildVWR(-35.5, 12.3f, 12.3f * 1854.0 / 3600, 12.3f * 1.854, false),
            "$STVWR,035.5,L,012.3,N,006.3,m,022.8,K\r\n");
  EXPECT_EQ(BuildVWR(30, 0, 0, 0, false).substr(0, 14), "$STVWR,030.0,R");
  EXPECT_EQ(BuildVWR(0, 0, 0, 0, false).substr(0, 14), "$STVWR,000.0,R");
}

}  // namespace
}  // namespace wl
