#include "platform/udp_output.h"

#include "platform/host_address.h"

namespace wl {

UdpOutput::UdpOutput(std::string host, uint16_t port) : host_(std::move(host)), port_(port) {}

std::string UdpOutput::Name() const { return "udp://" + host_ + ":" + std::to_string(port_); }

bool UdpOutput::Open(std::string& error) {
  std::string reason;
  if (!ResolveHost(host_, address_, reason)) {
    error = "Cannot send to " + Name() + ": " + reason;
    return false;
  }
  open_ = true;
  return true;
}

void UdpOutput::Close() {
  socket_.close();
  open_ = false;
}

bool UdpOutput::Send(std::string_view bytes, std::string& error) {
  qint64 sent = socket_.writeDatagram(bytes.data(), static_cast<qint64>(bytes.size()), address_, port_);
  if (sent == static_cast<qint64>(bytes.size())) return true;
  error = "Cannot send to " + Name() + ": " + socket_.errorString().toStdString();
  return false;
}

}  // namespace wl
