#include "nmea/port_properties.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

TEST(PortProperties, ParsesLineSettingsAndRefusesMalformedOnesKeepingTheOldValue) {
  LineSettings line;
  std::string error;
  ASSERT_TRUE(ParseLineSettings("38400,E,7,2", line, error));
  EXPECT_EQ(line.speed, 38400);
  EXPECT_EQ(line.parity, LineSettings::Parity::Even);
  EXPECT_EQ(line.dataBits, 7);
  EXPECT_EQ(line.stopBits, LineSettings::StopBits::Two);
  ASSERT_TRUE(ParseLineSettings(" 9600 , o , 5 , 1.5 ", line, error));
  EXPECT_EQ(line.parity, LineSettings::Parity::Odd);
  EXPECT_EQ(line.stopBits, LineSettings::StopBits::OneAndHalf);
  line.speed = 1234;
  for (const char* bad : {"", "4800", "4800, n, 8", "4800, n, 8, 1, 1", "fast, n, 8, 1", "4800, x, 8, 1",
                          "4800, n, 9, 1", "4800, n, 8, 3", "-4800, n, 8, 1", "4800, none, 8, 1"}) {
    EXPECT_FALSE(ParseLineSettings(bad, line, error)) << bad;
    EXPECT_NE(error.find(bad), std::string::npos);
  }
  EXPECT_EQ(line.speed, 1234);
}

}  // namespace
}  // namespace wl
