#include "nmea/nmea_sentences.h"

#include <gtest/gtest.h>

#include <limits>

#include "track/date_format.h"

namespace wl {
namespace {

const PosRec kPos{3132345, -252345};  // 52°12.345' N, 4°12.345' W

TEST(RelAngle, WrapsIntoHalfOpenRangeRoundingHalfToEven) {
  const double cases[][3] = {{350, 10, -20}, {270, 45, -135}, {10, 190, 180}, {190, 10, 180}, {-500, 0, -140},
                             {-200, 0, 160}, {900, 0, 180},   {10.5, 0, 10},  {11.5, 0, 12},
                             {std::numeric_limits<double>::infinity(), 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(RelAngle(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

// With `false` the checksum goes on $GP sentences only. Whole bursts of every sentence, with and
// without checksums, are pinned by the command line's nmea cases.
TEST(Builders, ByteExact) {
  const double noon = static_cast<double>(DaysFromCivil(2024, 6, 1)) + 0.5;
  const double justBefore = static_cast<double>(DaysFromCivil(2024, 5, 31)) + (23 * 3600 + 30 * 60) / 86400.0;
  const std::pair<std::string, std::string> cases[] = {
      {BuildRMC(noon, kPos, 5.2f, 45.0f, false),
       "$GPRMC,120000,A,5212.345,N,00412.345,W,005.2,045.0,010624,001.6,W*76\r\n"},
      {BuildRMC(justBefore, kPos, 0, 0, true),
       "$GPRMC,233000,A,5212.345,N,00412.345,W,000.0,000.0,310524,001.6,W*71\r\n"},
      {BuildDBT(4.8f, true), "$STDBT,,f,0004.8,M,,F*2A\r\n"},
      {BuildMWV(-35.5f, "R", 12.3f, "N", false), "$WIMWV,-35.5,R,12.3,N,A\r\n"},
      {BuildMWV(5.25f, "T", 0, "N", false), "$WIMWV,05.3,T,0.0,N,A\r\n"},
      {BuildVWR(-35.5f, 12.3f, 6.33f, 22.8f, false), "$STVWR,035.5,L,012.3,N,006.3,m,022.8,K\r\n"},
      {BuildVWR(0, 0, 8.95f, 0, false), "$STVWR,000.0,R,000.0,N,008.9,m,000.0,K\r\n"},  // 8.9499998 as a float
      {BuildHeading(7.25f, false, false), "$HCHDG,007.3,,,,\r\n"},
      {NMEA_Endline("$GPTXT,0Y", false), "*0A\r\n"},  // leading zero kept
  };
  for (const auto& [built, expected] : cases) EXPECT_EQ(built, expected);
}

}  // namespace
}  // namespace wl
