#include "platform/comm_port_output.h"

#include <QSerialPortInfo>
#include <filesystem>

#include "platform/serial_output.h"

namespace wl {

namespace {

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The device a port number box text names; false with error when there is none.
bool FindDevice(const std::string& commPort, std::string& device, std::string& error) {
  if (!IsNumber(commPort)) {
    device = commPort.find('/') == std::string::npos ? "/dev/" + commPort : commPort;
    std::error_code ec;
    if (std::filesystem::exists(device, ec)) return true;
    error = "There is no serial port " + device;
    return false;
  }
  const std::vector<std::string> ports = ListedSerialPorts();
  const size_t n = std::stoul(commPort.substr(0, 6));
  if (n >= 1 && n <= ports.size()) {
    device = ports[n - 1];
    return true;
  }
  error = "There is no serial port " + commPort + ": " +
          (ports.empty() ? std::string("no serial port is listed") : std::to_string(ports.size()) + " are listed") +
          " (a device path such as /dev/ttyUSB0 names one directly)";
  return false;
}

}  // namespace

std::vector<std::string> ListedSerialPorts() {
  std::vector<std::string> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    ports.push_back(info.systemLocation().toStdString());
  return ports;
}

CommPortOutput::CommPortOutput() = default;

CommPortOutput::~CommPortOutput() = default;

std::string CommPortOutput::Name() const {
  if (!IsNumber(commPort_) || device_.empty()) return "serial port " + commPort_;
  return "serial port " + commPort_ + " (" + device_ + ")";
}

bool CommPortOutput::Apply(const std::string& commPort, const PortProperties& properties, std::string& error) {
  LineSettings line;
  if (!ParseLineSettings(properties.Settings, line, error)) return false;
  const bool wasOpen = IsOpen();
  Close();
  const std::string oldPort = std::exchange(commPort_, commPort);
  PortProperties oldProperties = std::exchange(properties_, properties);
  if (!wasOpen || Open(error)) return true;
  commPort_ = oldPort;
  properties_ = std::move(oldProperties);
  std::string again;
  if (!Open(again)) error += "\r\n" + again;
  return false;
}

bool CommPortOutput::IsOpen() const { return port_ && port_->IsOpen(); }

bool CommPortOutput::Open(std::string& error) {
  if (!FindDevice(commPort_, device_, error)) return false;
  port_ = std::make_unique<SerialOutput>(device_, properties_);
  return port_->Open(error);
}

void CommPortOutput::Close() {
  if (port_) port_->Close();
}

bool CommPortOutput::Send(std::string_view bytes, std::string& error) {
  if (IsOpen()) return port_->Send(bytes, error);
  error = "Cannot write to " + Name() + ": the port is not open";
  return false;
}

}  // namespace wl
