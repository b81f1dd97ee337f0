#pragma once
// Tack leg statistics: time-weighted averages over processed points and the summary of a leg.
#include <cstdint>

#include "nav/track_processing.h"

namespace wl {

// Averages over points first..last inclusive, each point weighted by half the leg times on either
// side of it. No points (first > last, or indexes outside the processed track) or no time gives 0.
float AvgTWS(const ProcessedTrack& processed, int32_t first, int32_t last);
float AvgWaterS(const ProcessedTrack& processed, int32_t first, int32_t last);
// Whole degrees 0..359.
float AvgTWD(const ProcessedTrack& processed, int32_t first, int32_t last);
float AvgHDG(const ProcessedTrack& processed, int32_t first, int32_t last);
// Whole degrees -179..180.
float AvgTWA(const ProcessedTrack& processed, int32_t first, int32_t last);

// One tack leg from StartIndex to EndIndex.
struct TackRec {
  int16_t StartIndex = 0;
  int16_t EndIndex = 0;
  double StartTime = 0;  // UTC day count
  double EndTime = 0;
  double tackTIME = 0;   // hours
  float tackDIST = 0;    // nautical miles, straight line
  float Traveled = 0;    // nautical miles along the track
  float avHDG = 0;       // whole degrees
  float tackCOG = 0;     // degrees
  float tackSOG = 0;     // knots
  float avSPD = 0;
  float avTWS = 0;
  float avTWD = 0;       // whole degrees
  float avTWA = 0;       // whole degrees
  // The averages mean something only for TRT legs of more than three intervals; else "N/A".
  bool hasAverages = false;
};

// Summary of the leg s..e (valid point indexes of the processed track). The averages leave out
// the two end points.
TackRec MakeTackRec(const ProcessedTrack& processed, int32_t s, int32_t e);

// Signed turn between two legs in whole degrees, negative to port. shownPrevious is the previous
// leg's course as shown (whole degrees), next the new leg's course.
double TurnBetweenLegs(double shownPrevious, double next);

}  // namespace wl
