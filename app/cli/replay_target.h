#pragma once
// The replay's TARGET text: a serial device path, tcp://HOST:PORT, udp://HOST:PORT, or - (stdout).
#include <memory>
#include <string>

#include "nmea/nmea_output.h"
#include "nmea/port_properties.h"

namespace wl::cli {

// Null with error when the text is not a target (a network target without a valid port).
std::unique_ptr<NmeaOutput> MakeReplayTarget(const std::string& target, const PortProperties& port,
                                            std::string& error);

}  // namespace wl::cli
