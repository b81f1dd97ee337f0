#include "platform/host_address.h"

#include <QHostInfo>

namespace wl {

bool ResolveHost(const std::string& host, QHostAddress& address, std::string& reason) {
  QString name = QString::fromStdString(host);
  if (address.setAddress(name)) return true;
  QHostInfo info = QHostInfo::fromName(name);
  for (const QHostAddress& a : info.addresses()) {
    if (a.protocol() == QAbstractSocket::IPv4Protocol || a.protocol() == QAbstractSocket::IPv6Protocol) {
      address = a;
      return true;
    }
  }
  reason = info.error() != QHostInfo::NoError ? info.errorString().toStdString() : "unknown host " + host;
  return false;
}

}  // namespace wl
