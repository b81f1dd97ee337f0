#include "track/trc_format.h"

#include <bit>
#include <limits>

#include "track/real48.h"
#include "track/track_writer.h"

namespace wl {

static_assert(kTrcRecordSize == 4 + 4 + 2 + 2 + 2 + 6 + 8 + 2, "TRC record layout");
static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559, "TRC times are IEEE doubles");

namespace {

template <typename U>
U GetLE(const unsigned char* p) {
  U v = 0;
  for (size_t i = 0; i < sizeof(U); ++i) v |= static_cast<U>(static_cast<U>(p[i]) << (8 * i));
  return v;
}

template <typename U>
void PutLE(unsigned char* p, U v) {
  for (size_t i = 0; i < sizeof(U); ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

void EncodeTrcRecord(const TrackRec& r, unsigned char out[kTrcRecordSize]) {
  PutLE(out + 0, static_cast<uint32_t>(r.Pos.Lat));
  PutLE(out + 4, static_cast<uint32_t>(r.Pos.Lon));
  PutLE(out + 8, static_cast<uint16_t>(r.COG));
  PutLE(out + 10, static_cast<uint16_t>(r.Spare1));
  PutLE(out + 12, static_cast<uint16_t>(r.Spare2));
  for (size_t i = 0; i < r.SOGReal.size(); ++i) out[14 + i] = r.SOGReal[i];
  PutLE(out + 20, std::bit_cast<uint64_t>(r.Time));
  PutLE(out + 28, static_cast<uint16_t>(r.Depth));
}

void DecodeTrcRecord(const unsigned char in[kTrcRecordSize], TrackRec& r) {
  r.Pos.Lat = static_cast<int32_t>(GetLE<uint32_t>(in + 0));
  r.Pos.Lon = static_cast<int32_t>(GetLE<uint32_t>(in + 4));
  r.COG = static_cast<int16_t>(GetLE<uint16_t>(in + 8));
  r.Spare1 = static_cast<int16_t>(GetLE<uint16_t>(in + 10));
  r.Spare2 = static_cast<int16_t>(GetLE<uint16_t>(in + 12));
  for (size_t i = 0; i < r.SOGReal.size(); ++i) r.SOGReal[i] = in[14 + i];
  r.Time = std::bit_cast<double>(GetLE<uint64_t>(in + 20));
  r.Depth = static_cast<int16_t>(GetLE<uint16_t>(in + 28));
}

TrcParse ParseTrcBytes(std::string_view bytes, TrackBlock& block) {
  block.text.clear();
  TrcParse result;
  const size_t complete = bytes.size() / kTrcRecordSize;
  const size_t n = complete > static_cast<size_t>(kTrackCapacity) ? static_cast<size_t>(kTrackCapacity) : complete;
  result.truncated = complete > n;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  for (size_t i = 0; i < n; ++i, p += kTrcRecordSize) {
    TrackRec& r = block.recs[i];
    r = TrackRec{};
    DecodeTrcRecord(p, r);
    // Real48 magnitudes stay below 2^127, inside the float range.
    r.SOG = static_cast<float>(Real48ToDbl(r.SOGReal));
  }
  result.points = static_cast<int32_t>(n);
  return result;
}

}  // namespace wl
