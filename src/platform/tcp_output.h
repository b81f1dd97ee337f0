#pragma once
// A TCP server: every client connected to it receives the sentences from then on.
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <string>
#include <vector>

#include "nmea/nmea_output.h"

namespace wl {

class TcpServerOutput : public NmeaOutput {
 public:
  // host: an address or name to listen on ("0.0.0.0" for every interface); port 0 picks one.
  TcpServerOutput(std::string host, uint16_t port);
  ~TcpServerOutput() override;

  // The port listened on, once open.
  uint16_t Port() const;
  size_t Clients() const { return clients_.size(); }

  bool IsOpen() const override;
  bool Open(std::string& error) override;
  void Close() override;
  // A client that has gone away is dropped; the others still receive the text.
  bool Send(std::string_view bytes, std::string& error) override;

 private:
  void AcceptPending();

  std::string host_;
  uint16_t port_;
  QTcpServer server_;
  std::vector<std::unique_ptr<QTcpSocket>> clients_;
};

}  // namespace wl
