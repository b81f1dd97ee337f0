#pragma once
// SendPointNMEA: the sentence burst for one position, written sentence by sentence.
#include <string>

#include "nav/proc_rec.h"
#include "nmea/nmea_clock.h"
#include "nmea/nmea_output.h"
#include "nmea/uniform_random.h"
#include "settings/settings_values.h"

namespace wl {

// What a send reads at the moment it runs. isTRT selects recorded instrument values over the
// simulated ones and allows the recorded heading and true wind; trueHeading: the track's headings
// are true ones (the store's TrueHeading).
struct NmeaSender {
  const SettingsValues& settings;
  bool isTRT;
  NmeaOutput& output;
  UniformRandom& random;
  NmeaClock& clock;
  bool trueHeading = false;
};

// Opens the output on first use. Returns false with error (naming the device and the reason)
// when the output cannot be opened or written; the remaining sentences are then not sent.
// Burst order: RMC, DBT, VHW, heading, the chosen wind sentence, the true wind.
bool SendPointNMEA(const ProcRec& rec, NmeaSender& sender, std::string& error);

}  // namespace wl
