#include "platform/serial_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace wl {
namespace {

// Something that exists but is no terminal: a file, a folder, /dev/null.
bool IsOtherThanTerminal(const std::string& device) {
  const std::string path = device.find('/') == std::string::npos ? "/dev/" + device : device;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (!S_ISCHR(st.st_mode)) return true;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool terminal = ::isatty(fd) == 1;
  ::close(fd);
  return !terminal;
}

QSerialPort::Parity ToQt(LineSettings::Parity p) {
  switch (p) {
    case LineSettings::Parity::Even: return QSerialPort::EvenParity;
    case LineSettings::Parity::Odd: return QSerialPort::OddParity;
    case LineSettings::Parity::Mark: return QSerialPort::MarkParity;
    case LineSettings::Parity::Space: return QSerialPort::SpaceParity;
    case LineSettings::Parity::None: break;
  }
  return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(LineSettings::StopBits s) {
  switch (s) {
    case LineSettings::StopBits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case LineSettings::StopBits::Two: return QSerialPort::TwoStop;
    case LineSettings::StopBits::One: break;
  }
  return QSerialPort::OneStop;
}

// Handshaking 1 is XOn/XOff, 2 RTS/CTS; 3 (both) can only be one of them here: the hardware one.
QSerialPort::FlowControl FlowControl(int32_t handshaking) {
  if (handshaking == 1) return QSerialPort::SoftwareControl;
  if (handshaking == 2 || handshaking == 3) return QSerialPort::HardwareControl;
  return QSerialPort::NoFlowControl;
}

}  // namespace

SerialOutput::SerialOutput(std::string device, PortProperties properties)
    : device_(std::move(device)), properties_(std::move(properties)) {}

std::string SerialOutput::Failure(const char* what, const std::string& reason) const {
  return std::string(what) + " serial port " + device_ + ": " + reason;
}

bool SerialOutput::IsOpen() const { return port_.isOpen(); }

bool SerialOutput::Open(std::string& error) {
  std::string lineError;
  if (!ParseLineSettings(properties_.Settings, line_, lineError)) {
    error = Failure("Cannot open", lineError);
    return false;
  }
  port_.setPortName(QString::fromStdString(device_));
  port_.setBaudRate(line_.speed);
  port_.setParity(ToQt(line_.parity));
  port_.setDataBits(static_cast<QSerialPort::DataBits>(line_.dataBits));
  port_.setStopBits(ToQt(line_.stopBits));
  port_.setFlowControl(FlowControl(properties_.Handshaking));
  port_.setReadBufferSize(std::max<int16_t>(properties_.InBufferSize, 0));
  if (!port_.open(QIODevice::WriteOnly)) {
    error = IsOtherThanTerminal(device_) ? device_ + " is not a serial port"
                                         : Failure("Cannot open", port_.errorString().toStdString());
    return false;
  }
  // Modem lines a device may not have (a pty has none): not a reason to refuse the port.
  port_.setDataTerminalReady(properties_.DTREnable);
  if (port_.flowControl() != QSerialPort::HardwareControl) port_.setRequestToSend(properties_.RTSEnable);
  port_.clearError();
  return true;
}

void SerialOutput::Close() { port_.close(); }

bool SerialOutput::Send(std::string_view bytes, std::string& error) {
  qint64 written = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  // Enough time to put the text on the line at the set speed, plus a second.
  const int bitsPerChar = 12;
  const int timeoutMs = 1000 + static_cast<int>(static_cast<int64_t>(bytes.size()) * bitsPerChar * 1000 /
                                                std::max<int32_t>(line_.speed, 1));
  bool ok = written == static_cast<qint64>(bytes.size());
  while (ok && port_.bytesToWrite() > 0) ok = port_.waitForBytesWritten(timeoutMs);
  if (ok) return true;
  std::string reason = port_.error() == QSerialPort::TimeoutError ? "the device does not take the data"
                                                                  : port_.errorString().toStdString();
  error = Failure("Cannot write to", reason);
  port_.close();
  return false;
}

}  // namespace wl
