#pragma once
// The replay's TARGET text: a serial device path, tcp://HOST:PORT, udp://HOST:PORT, or - (stdout).
#include <memory>
#include <string>

#include "nmea/nmea_output.h"
#include "nmea/port_properties.h"
#include "platform/serial_output.h"
#include "platform/tcp_output.h"

namespace wl::cli {

struct ReplayTarget {
  std::unique_ptr<NmeaOutput> output;  // null when the text is not a target
  SerialOutput* serial = nullptr;      // output, when it is a serial port
  TcpServerOutput* tcp = nullptr;      // output, when it is a TCP server
};

// A null output with error when the text is not a target (a network target without a valid port).
ReplayTarget MakeReplayTarget(const std::string& target, const PortProperties& port, std::string& error);

}  // namespace wl::cli
