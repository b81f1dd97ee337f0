#include "platform/tcp_output.h"

#include <sys/resource.h>

#include <QDeadlineTimer>
#include <algorithm>
#include <filesystem>

#include "platform/host_address.h"

namespace wl {
namespace {

// Clients only listen: what they send is not kept beyond this.
constexpr qint64 kReadBufferBytes = 4096;

// Descriptors kept free: one to accept a client only to close it, the others for the program's own
// files. With none left the listening socket stays readable and the server would spin on it.
constexpr size_t kSpareDescriptors = 8;

size_t RoomForClients() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return TcpServerOutput::kMaxClients;
  std::error_code error;
  size_t listed = 0;  // the listing's own descriptor among them
  for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end; it.increment(error))
    ++listed;
  if (error || listed == 0) return TcpServerOutput::kMaxClients;
  const size_t used = listed - 1 + kSpareDescriptors;
  return limit.rlim_cur > used ? static_cast<size_t>(limit.rlim_cur - used) : 0;
}

std::string Peer(const QTcpSocket& c) {
  return c.peerAddress().toString().toStdString() + ":" + std::to_string(c.peerPort());
}

}  // namespace

TcpServerOutput::TcpServerOutput(std::string host, uint16_t port) : host_(std::move(host)), port_(port) {
  // Accepting as clients arrive keeps the listening socket's queue empty between sends.
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { AcceptPending(); });
}

TcpServerOutput::~TcpServerOutput() { Close(); }

uint16_t TcpServerOutput::Port() const { return server_.serverPort(); }

std::string TcpServerOutput::Name() const {
  const bool v6 = host_.find(':') != std::string::npos;
  return "tcp://" + (v6 ? "[" + host_ + "]" : host_) + ":" + std::to_string(Port());
}

bool TcpServerOutput::IsOpen() const { return server_.isListening(); }

bool TcpServerOutput::Open(std::string& error) {
  QHostAddress address;
  std::string reason;
  if (ResolveHost(host_, address, reason) && server_.listen(address, port_)) {
    maxClients_ = std::min(kMaxClients, RoomForClients());
    return true;
  }
  if (reason.empty()) reason = server_.errorString().toStdString();
  error = "Cannot listen on tcp://" + host_ + ":" + std::to_string(port_) + ": " + reason;
  return false;
}

void TcpServerOutput::Close() {
  // What a slow client has not taken yet still goes out before the connection ends, within a second
  // for all clients together.
  const QDeadlineTimer deadline(1000);
  for (auto& c : clients_)
    while (c->state() == QAbstractSocket::ConnectedState && c->bytesToWrite() > 0 && !deadline.hasExpired() &&
           c->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
    }
  clients_.clear();
  server_.close();
}

void TcpServerOutput::WaitForClient() {
  AcceptPending();
  while (clients_.empty() && server_.waitForNewConnection(-1)) AcceptPending();
}

void TcpServerOutput::Notice(const std::string& text) {
  if (onNotice) onNotice(text);
}

void TcpServerOutput::AcceptPending() {
  std::erase_if(clients_, [](const auto& c) { return c->state() != QAbstractSocket::ConnectedState; });
  while (QTcpSocket* pending = server_.nextPendingConnection()) {
    std::unique_ptr<QTcpSocket> client(pending);
    client->setParent(nullptr);  // owned here, not by the server
    if (clients_.size() >= maxClients_) {
      client->abort();
      if (!refusalNoticed_)
        Notice(Name() + ": " + std::to_string(maxClients_) + " clients are served, further ones are refused");
      refusalNoticed_ = true;
      continue;
    }
    client->setReadBufferSize(kReadBufferBytes);
    clients_.push_back(std::move(client));
  }
}

bool TcpServerOutput::Send(std::string_view bytes, std::string&) {
  AcceptPending();
  std::erase_if(clients_, [&](const std::unique_ptr<QTcpSocket>& c) {
    if (c->state() != QAbstractSocket::ConnectedState) return true;
    if (c->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) return true;
    c->flush();
    if (c->bytesToWrite() <= kMaxBacklog) return false;
    Notice("tcp client " + Peer(*c) + " dropped: it has not taken the last 1 MiB of sentences");
    c->abort();
    return true;
  });
  return true;
}

}  // namespace wl
