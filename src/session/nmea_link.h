#pragma once
// The sentence output the settings choose, for the whole run: the serial port (its number or
// device and its thirteen properties), the TCP server or UDP datagrams. The track session owns it.
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nmea/nmea_output.h"
#include "nmea/port_properties.h"
#include "settings/settings_keys.h"

namespace wl {

class CommPortOutput;
class TcpServerOutput;
class TrackSession;
class UdpOutput;

class NmeaLink : public QObject {
  Q_OBJECT

 public:
  // Takes the stored port properties (the recommended set where none are stored); opens nothing.
  explicit NmeaLink(TrackSession& session);
  ~NmeaLink() override;

  // The output the settings choose now; SendPointNMEA opens it on first use.
  NmeaOutput& Output();
  // The chosen output for messages: "serial port 1", "tcp://0.0.0.0:10110", "udp://HOST:PORT".
  std::string Name() const;
  // The line speed when the sentences go out of the serial port, for the line-load warning.
  std::optional<int32_t> LineSpeed() const;

  // The serial port as it is set: the port number box's text and the other properties.
  const std::string& CommPort() const;
  const PortProperties& Properties() const;
  // The device paths of the serial ports, in the order the port numbers count them.
  std::vector<std::string> ListedPorts() const;
  // Closes an open port, sets the values and opens it again. A value the port refuses leaves the
  // port as it was: false, with a message in error.
  bool ApplyPort(const std::string& commPort, const PortProperties& properties, std::string& error);
  // The stored "Properties" through ApplyPort (the recommended value for a key not stored).
  bool ApplyStoredPort(std::string& error);

 signals:
  // The choice of output or the port behind it changed: a running replay takes Output() anew.
  void OutputChanged();

 private:
  void FollowSetting(SettingKey key);
  // The TCP server listens while TCP is chosen and the output is on.
  void UpdateServer();
  void MakeTcpServer();
  void MakeUdpOutput();

  TrackSession& session_;
  std::unique_ptr<CommPortOutput> serial_;
  std::unique_ptr<TcpServerOutput> tcp_;
  std::unique_ptr<UdpOutput> udp_;
};

}  // namespace wl
