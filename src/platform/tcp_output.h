#pragma once
// A TCP server: every client connected to it receives the sentences from then on.
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "nmea/nmea_output.h"

namespace wl {

class TcpServerOutput : public NmeaOutput {
 public:
  // Clients beyond this many, or beyond what the process's file descriptors leave room for, are
  // closed at once; the server goes on accepting.
  static constexpr size_t kMaxClients = 64;
  // A client that leaves more than this many bytes untaken is dropped.
  static constexpr qint64 kMaxBacklog = qint64{1} << 20;

  // host: an address or name to listen on ("0.0.0.0" for every interface); port 0 picks one.
  TcpServerOutput(std::string host, uint16_t port);
  ~TcpServerOutput() override;

  // Told when a client is dropped or the first one is refused; the stream goes on.
  std::function<void(const std::string&)> onNotice;

  // The port listened on, once open.
  uint16_t Port() const;
  // "tcp://HOST:PORT" with the port listened on.
  std::string Name() const;
  size_t Clients() const { return clients_.size(); }
  // Returns once a client is connected (at once when one is); needs the server open.
  void WaitForClient();

  bool IsOpen() const override;
  bool Open(std::string& error) override;
  void Close() override;
  // A client that has gone away is dropped; the others still receive the text.
  bool Send(std::string_view bytes, std::string& error) override;

 private:
  void AcceptPending();
  void Notice(const std::string& text);

  std::string host_;
  uint16_t port_;
  QTcpServer server_;
  std::vector<std::unique_ptr<QTcpSocket>> clients_;
  bool refusalNoticed_ = false;
  size_t maxClients_ = kMaxClients;
};

}  // namespace wl
