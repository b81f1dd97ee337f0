#pragma once
// UDP datagrams, one per sentence, to one address (a broadcast address too).
#include <QHostAddress>
#include <QUdpSocket>
#include <string>

#include "nmea/nmea_output.h"

namespace wl {

class UdpOutput : public NmeaOutput {
 public:
  UdpOutput(std::string host, uint16_t port);

  bool IsOpen() const override { return open_; }
  bool Open(std::string& error) override;
  void Close() override;
  bool Send(std::string_view bytes, std::string& error) override;

 private:
  std::string Name() const;

  std::string host_;
  uint16_t port_;
  bool open_ = false;
  QHostAddress address_;
  QUdpSocket socket_;
};

}  // namespace wl
