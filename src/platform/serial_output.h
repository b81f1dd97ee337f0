#pragma once
// The serial port the sentences go out of, over Qt's serial port module.
#include <QSerialPort>
#include <string>

#include "nmea/nmea_output.h"
#include "nmea/port_properties.h"

namespace wl {

class SerialOutput : public NmeaOutput {
 public:
  // device: a device path such as /dev/ttyUSB0.
  SerialOutput(std::string device, PortProperties properties);

  // Take effect at the next Open.
  PortProperties& Properties() { return properties_; }

  bool IsOpen() const override;
  bool Open(std::string& error) override;
  void Close() override;
  bool Send(std::string_view bytes, std::string& error) override;

 private:
  std::string Failure(const char* what, const std::string& reason) const;

  std::string device_;
  PortProperties properties_;
  LineSettings line_;
  QSerialPort port_;
};

}  // namespace wl
