#include "session/nmea_link.h"

#include "nmea/host_port.h"
#include "platform/comm_port_output.h"
#include "platform/tcp_output.h"
#include "platform/udp_output.h"
#include "session/track_session.h"
#include "settings/port_keys.h"

namespace wl {

namespace {

// A plotter anywhere on the boat's network may connect.
constexpr char kEveryInterface[] = "0.0.0.0";

PortTexts StoredPortTexts(const TrackSession& session) {
  PortTexts texts;
  for (size_t i = 0; i < kPortRows.size(); ++i) texts[i] = session.StoredSetting(kPortRows[i].key);
  return texts;
}

}  // namespace

NmeaLink::NmeaLink(TrackSession& session) : session_(session), serial_(std::make_unique<CommPortOutput>()) {
  MakeTcpServer();
  MakeUdpOutput();
  std::string commPort, error;
  PortProperties properties;
  if (!PortValuesFromTexts(StoredPortTexts(session_), commPort, properties, error) ||
      !serial_->Apply(commPort, properties, error))
    session_.Prompts().ShowMessage(error + "\r\nThe serial port keeps the recommended values.", Icon::Exclamation);
  connect(&session_, &TrackSession::SettingChanged, this, &NmeaLink::FollowSetting);
}

NmeaLink::~NmeaLink() = default;

NmeaOutput& NmeaLink::Output() {
  switch (session_.Settings().nmeaOutput) {
    case NmeaOutputKind::Tcp: return *tcp_;
    case NmeaOutputKind::Udp: return *udp_;
    case NmeaOutputKind::Serial: break;
  }
  return *serial_;
}

std::string NmeaLink::Name() const {
  const SettingsValues& v = session_.Settings();
  switch (v.nmeaOutput) {
    case NmeaOutputKind::Tcp: return "tcp://" + std::string(kEveryInterface) + ":" + std::to_string(v.nmeaTcpPort);
    case NmeaOutputKind::Udp: return "udp://" + v.nmeaUdpTarget;
    case NmeaOutputKind::Serial: break;
  }
  return serial_->Name();
}

std::optional<int32_t> NmeaLink::LineSpeed() const {
  LineSettings line;
  std::string error;
  if (session_.Settings().nmeaOutput != NmeaOutputKind::Serial ||
      !ParseLineSettings(serial_->Properties().Settings, line, error))
    return std::nullopt;
  return line.speed;
}

const std::string& NmeaLink::CommPort() const { return serial_->CommPort(); }

const PortProperties& NmeaLink::Properties() const { return serial_->Properties(); }

std::vector<std::string> NmeaLink::ListedPorts() const { return ListedSerialPorts(); }

bool NmeaLink::ApplyPort(const std::string& commPort, const PortProperties& properties, std::string& error) {
  if (!serial_->Apply(commPort, properties, error)) return false;
  emit OutputChanged();
  return true;
}

bool NmeaLink::ApplyStoredPort(std::string& error) {
  std::string commPort;
  PortProperties properties;
  return PortValuesFromTexts(StoredPortTexts(session_), commPort, properties, error) &&
         ApplyPort(commPort, properties, error);
}

void NmeaLink::MakeTcpServer() {
  tcp_ = std::make_unique<TcpServerOutput>(kEveryInterface, session_.Settings().nmeaTcpPort);
  // Shown from the event loop: a box opened inside a send would let the next tick send within it.
  tcp_->onNotice = [this](const std::string& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { session_.Prompts().ShowMessage(text, Icon::Information); }, Qt::QueuedConnection);
  };
}

void NmeaLink::MakeUdpOutput() {
  std::string host;
  uint16_t port = 0;
  SplitHostPort(session_.Settings().nmeaUdpTarget, host, port);
  udp_ = std::make_unique<UdpOutput>(host, port);
}

void NmeaLink::FollowSetting(SettingKey key) {
  switch (key) {
    case SettingKey::NMEAOutput:
      // The port is free for others as soon as it is not chosen.
      if (session_.Settings().nmeaOutput != NmeaOutputKind::Serial) serial_->Close();
      break;
    case SettingKey::NMEATcpPort: MakeTcpServer(); break;
    case SettingKey::NMEAUdpTarget: MakeUdpOutput(); break;
    case SettingKey::NMEAOut: UpdateServer(); return;
    default: return;
  }
  UpdateServer();
  emit OutputChanged();
}

void NmeaLink::UpdateServer() {
  const SettingsValues& v = session_.Settings();
  if (v.nmeaOutput != NmeaOutputKind::Tcp) {
    tcp_->Close();
    return;
  }
  std::string error;
  if (v.nmeaOut && !tcp_->IsOpen() && !tcp_->Open(error)) session_.Prompts().ShowMessage(error, Icon::Exclamation);
}

}  // namespace wl
