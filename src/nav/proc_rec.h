#pragma once
// The processed track: per-point values derived by the processing pass.
#include <cstdint>

#include "track/track_rec.h"

namespace wl {

enum TackFlagValue : int16_t { kOrdinary = 0, kTackPoint = 1, kOutlier = 2 };

struct ProcRec {
  PosRec Pos;
  double Time = 0;      // UTC day count, after the date guard
  float uiSOG = 0;      // knots, leg from the previous point
  float uiCOG = 0;      // degrees, leg course
  float uiTime = 0;     // hours, leg duration
  float CumTime = 0;    // hours under way
  float CumDist = 0;    // nautical miles
  int16_t TackFlag = 0; // TackFlagValue
  float SOG = 0;
  float COG = 0;        // degrees
  float TWS = 0;        // TRT only from here on
  float TWD = 0;
  float TWA = 0;
  float AWS = 0;
  float AWA = 0;
  float WaterS = 0;
  float HDG = 0;
  float Depth = 0;      // tenths of a metre
};

}  // namespace wl
