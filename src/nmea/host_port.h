#pragma once
// A network output's address as the user writes it: "HOST:PORT", an IPv6 host in brackets.
#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

// False unless both parts are there and the port is a whole number 0..65535.
bool SplitHostPort(std::string_view text, std::string& host, uint16_t& port);

}  // namespace wl
