#pragma once
// The serial port as the settings name it: a device path, or n for the n-th serial port Qt lists.
// The device is looked up when the port opens, so a port plugged in later is found.
#include <memory>
#include <string>
#include <vector>

#include "nmea/nmea_output.h"
#include "nmea/port_properties.h"

namespace wl {

class SerialOutput;

// The device paths of the serial ports, in the order the port numbers count them.
std::vector<std::string> ListedSerialPorts();

class CommPortOutput : public NmeaOutput {
 public:
  CommPortOutput();  // port 1 with the recommended values
  ~CommPortOutput() override;

  const std::string& CommPort() const { return commPort_; }
  const PortProperties& Properties() const { return properties_; }
  // "serial port 1 (/dev/ttyS0)" once opened, "serial port /dev/ttyUSB0".
  std::string Name() const;

  // Closes an open port, takes the values and opens it again. A line settings text the port
  // cannot take, or a reopening that fails: false with error, and the port as it was (reopened
  // with its old values). A closed port is looked up when it opens.
  bool Apply(const std::string& commPort, const PortProperties& properties, std::string& error);

  bool IsOpen() const override;
  bool Open(std::string& error) override;
  void Close() override;
  bool Send(std::string_view bytes, std::string& error) override;

 private:
  std::string commPort_ = "1";
  PortProperties properties_;
  std::string device_;  // the port number's device, as last looked up
  std::unique_ptr<SerialOutput> port_;
};

}  // namespace wl
