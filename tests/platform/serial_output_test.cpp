#include "platform/serial_output.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <string>
#include <tuple>

namespace wl {
namespace {

struct Pty {
  Pty() {
    EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    name = ttyname(slave);
  }
  ~Pty() {
    if (master >= 0) close(master);
    close(slave);
  }
  int master = -1, slave = -1;
  std::string name;
};

TEST(SerialOutput, SendsBytesUnchangedWithTheLineSettingsAndNamesWhatCannotBeOpened) {
  Pty pty;
  PortProperties props;
  props.Settings = "38400, e, 7, 2";
  SerialOutput port(pty.name, props);
  std::string error;
  EXPECT_FALSE(port.IsOpen());
  ASSERT_TRUE(port.Open(error)) << error;
  const std::string text = "$GPRMC,1*00\r\n$STDBT,,f,0012.3,M,,F*00\r\n\xB0\n";
  ASSERT_TRUE(port.Send(text, error)) << error;
  std::string got;
  char buf[256];
  pollfd p{pty.master, POLLIN, 0};
  for (ssize_t n; got.size() < text.size() && poll(&p, 1, 2000) > 0 && (n = read(pty.master, buf, sizeof buf)) > 0;)
    got.append(buf, static_cast<size_t>(n));
  EXPECT_EQ(got, text);  // raw: no line end translation, all 8 bits

  // A pty forces 8 data bits without parity; speed and stop bits stay as set.
  termios t{};
  ASSERT_EQ(tcgetattr(pty.slave, &t), 0);
  EXPECT_EQ(cfgetospeed(&t), B38400);
  EXPECT_TRUE(t.c_cflag & CSTOPB);

  SerialOutput second(pty.name, PortProperties{});  // the device is busy
  EXPECT_FALSE(second.Open(error));
  EXPECT_NE(error.find(pty.name), std::string::npos) << error;
  // A device that is no serial port is named by the command line's nmea cases.
  SerialOutput missing("/dev/nonexistent-wakeline-port", PortProperties{});
  EXPECT_FALSE(missing.Open(error));
  EXPECT_EQ(error.rfind("Cannot open serial port /dev/nonexistent-wakeline-port: No such file", 0), 0u) << error;

  close(pty.master);  // the far side goes away: writes now fail and close the port
  pty.master = -1;
  EXPECT_FALSE(port.Send("$GPRMC*00\r\n", error));
  EXPECT_EQ(error.rfind("Cannot write to serial port " + pty.name + ": ", 0), 0u) << error;
  EXPECT_FALSE(port.IsOpen());
}

TEST(SerialOutput, HandshakingChoosesTheFlowControl) {
  Pty pty;  // one device reopened with each value: none clears what the value before set
  for (auto [handshaking, rtsCts, xonXoff] : {std::tuple{2, true, false}, {0, false, false}, {1, false, true},
                                               {3, true, false}, {0, false, false}}) {
    PortProperties props;
    props.Handshaking = handshaking;
    SerialOutput port(pty.name, props);
    std::string error;
    ASSERT_TRUE(port.Open(error)) << error;
    termios t{};
    ASSERT_EQ(tcgetattr(pty.slave, &t), 0);
    EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, rtsCts) << handshaking;
    EXPECT_EQ((t.c_iflag & IXON) != 0, xonXoff) << handshaking;
  }
}

}  // namespace
}  // namespace wl
