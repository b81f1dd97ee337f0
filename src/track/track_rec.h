#pragma once
// One track point as held in memory; fields 1..7 are exactly the 30-byte TRC record.
#include <array>
#include <cstdint>

namespace wl {

inline constexpr int32_t kTrackCapacity = 20001;  // indices 0..20000
inline constexpr int kTrcRecordSize = 30;

// Thousandths of a minute of arc (1/60000 degree), north and east positive.
struct PosRec {
  int32_t Lat = 0;
  int32_t Lon = 0;
  friend bool operator==(const PosRec&, const PosRec&) = default;
};

using Real48 = std::array<uint8_t, 6>;

// The text of a TRT point line lives in the store's text buffer; a point holds only its place there,
// so that moving points never copies or allocates text.
struct LineRef {
  uint32_t offset = 0;
  uint32_t length = 0;
};

struct TrackRec {
  PosRec Pos;
  int16_t COG = 0;     // tenths of a degree
  int16_t Spare1 = 0;  // carried through unchanged
  int16_t Spare2 = 0;
  Real48 SOGReal{};    // file form of SOG
  double Time = 0;     // UTC day count since 1899-12-30
  int16_t Depth = 0;   // tenths of a metre
  LineRef Line;        // TRT only
  float SOG = 0;       // knots
  float TWS = 0;       // knots
  float TWD = 0;       // degrees
  float TWA = 0;       // degrees, above -180 up to 180
  float AWS = 0;
  float AWA = 0;
  float WaterS = 0;    // knots
  float HDG = 0;       // degrees
};

}  // namespace wl
