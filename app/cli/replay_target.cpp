#include "replay_target.h"

#include "nmea/host_port.h"
#include "platform/stdout_output.h"
#include "platform/udp_output.h"

namespace wl::cli {

ReplayTarget MakeReplayTarget(const std::string& target, const PortProperties& port, std::string& error) {
  ReplayTarget made;
  if (target == "-") {
    made.output = std::make_unique<StdoutOutput>();
    return made;
  }
  for (std::string_view scheme : {"tcp://", "udp://"}) {
    if (target.compare(0, scheme.size(), scheme) != 0) continue;
    std::string host;
    uint16_t number = 0;
    if (!SplitHostPort(std::string_view(target).substr(scheme.size()), host, number) ||
        (number == 0 && scheme == "udp://")) {
      error = "--to " + target + ": needs " + std::string(scheme) + "HOST:PORT";
      return made;
    }
    if (scheme == "udp://") {
      made.output = std::make_unique<UdpOutput>(host, number);
      return made;
    }
    auto tcp = std::make_unique<TcpServerOutput>(host, number);
    made.tcp = tcp.get();
    made.output = std::move(tcp);
    return made;
  }
  auto serial = std::make_unique<SerialOutput>(target, port);
  made.serial = serial.get();
  made.output = std::move(serial);
  return made;
}

}  // namespace wl::cli
