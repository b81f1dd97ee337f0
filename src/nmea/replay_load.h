#pragma once
// How many bytes a second a replay puts on its output, against what a serial line carries.
#include <cstdint>
#include <string>

#include "nmea/replay_runner.h"

namespace wl {

// The average over the replay from its start point to the end: the schedule run without waiting,
// every burst built as sender's settings choose and counted (random and clock of its own).
double ReplayBytesPerSecond(const Replay& replay, const NmeaSender& sender);

// A line of lineSpeed baud carries about lineSpeed / 10 bytes a second. The warning when that is
// less than the replay needs, else empty.
std::string LineLoadWarning(int32_t lineSpeed, double bytesPerSecond);

}  // namespace wl
