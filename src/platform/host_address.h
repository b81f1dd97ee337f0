#pragma once
// Network addresses given as text by the user.
#include <QHostAddress>
#include <string>

namespace wl {

// An IP address, or the first address a host name resolves to; false with reason when none.
bool ResolveHost(const std::string& host, QHostAddress& address, std::string& reason);

}  // namespace wl
