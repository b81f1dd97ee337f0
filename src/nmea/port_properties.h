#pragma once
// The thirteen properties of the serial port the sentences go out of, as values the port takes.
#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

// Defaults: the recommended set.
struct PortProperties {
  int16_t CommPort = 1;
  bool DTREnable = true;
  int32_t Handshaking = 2;  // 0 none, 1 XOn/XOff, 2 RTS/CTS, 3 both
  int16_t InBufferSize = 1024;
  int16_t InputLen = 0;
  int32_t InputMode = 0;  // 0 text, 1 binary
  bool NullDiscard = true;
  int16_t OutBufferSize = 1024;
  std::string ParityReplace = "?";
  int16_t RThreshold = 1;
  bool RTSEnable = true;
  std::string Settings = "4800, n, 8, 1";
  int16_t SThreshold = 1;
};

// The line settings held in the Settings text: "speed, parity, data bits, stop bits".
struct LineSettings {
  enum class Parity { None, Even, Odd, Mark, Space };
  enum class StopBits { One, OneAndHalf, Two };
  int32_t speed = 4800;
  Parity parity = Parity::None;
  int32_t dataBits = 8;
  StopBits stopBits = StopBits::One;
};

// Blanks around the fields are allowed; the parity letter (n, e, o, m, s) in either case; data
// bits 5 to 8; stop bits 1, 1.5 or 2. On refusal error says what is wrong.
bool ParseLineSettings(std::string_view text, LineSettings& out, std::string& error);

}  // namespace wl
