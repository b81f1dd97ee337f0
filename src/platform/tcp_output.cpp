#include "platform/tcp_output.h"

#include <algorithm>

#include "platform/host_address.h"

namespace wl {

TcpServerOutput::TcpServerOutput(std::string host, uint16_t port) : host_(std::move(host)), port_(port) {}

TcpServerOutput::~TcpServerOutput() { Close(); }

uint16_t TcpServerOutput::Port() const { return server_.serverPort(); }

bool TcpServerOutput::IsOpen() const { return server_.isListening(); }

bool TcpServerOutput::Open(std::string& error) {
  QHostAddress address;
  std::string reason;
  if (ResolveHost(host_, address, reason) && server_.listen(address, port_)) return true;
  if (reason.empty()) reason = server_.errorString().toStdString();
  error = "Cannot listen on tcp://" + host_ + ":" + std::to_string(port_) + ": " + reason;
  return false;
}

void TcpServerOutput::Close() {
  // What a slow client has not taken yet still goes out before the connection ends.
  for (auto& c : clients_)
    if (c->state() == QAbstractSocket::ConnectedState && c->bytesToWrite() > 0) c->waitForBytesWritten(1000);
  clients_.clear();
  server_.close();
}

void TcpServerOutput::AcceptPending() {
  while (QTcpSocket* client = server_.nextPendingConnection()) {
    client->setParent(nullptr);  // owned here, not by the server
    clients_.emplace_back(client);
  }
}

bool TcpServerOutput::Send(std::string_view bytes, std::string&) {
  AcceptPending();
  std::erase_if(clients_, [&](const std::unique_ptr<QTcpSocket>& c) {
    if (c->state() != QAbstractSocket::ConnectedState) return true;
    if (c->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) return true;
    c->flush();
    return false;
  });
  return true;
}

}  // namespace wl
