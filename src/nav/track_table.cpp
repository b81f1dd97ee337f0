#include "nav/track_table.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "nav/hours_text.h"
#include "track/date_format.h"
#include "track/latlon_text.h"
#include "track/number_format.h"

namespace wl {

namespace {

enum class Kind {
  TrptNo, DateTime, Latitude, Longitude, Heading, COG, SOG,
  uiCOG, uiDist, uiTime, uiSOG, CumDist, CumTime, CumAvSOG,
  TWS, TWD, TWA, AWS, AWA, WaterS,
};

struct Column {
  Kind kind;
  const char* head;
  int32_t setupWidth;
  int32_t resizedWidth;
};

// A TRT table shows every column; a TRC table leaves out the heading and the wind and water ones.
constexpr std::array<Column, 20> kTrtColumns{{
    {Kind::TrptNo, "Trpt#", 500, 500},
    {Kind::DateTime, "Date and Time (UTC)", 1550, 1550},
    {Kind::Latitude, "Latitude", 1000, 1000},
    {Kind::Longitude, "Longitude", 1000, 1000},
    {Kind::Heading, "HDG", 500, 500},
    {Kind::COG, "COG", 550, 500},
    {Kind::SOG, "SOG", 500, 500},
    {Kind::uiCOG, "uiCOG", 680, 550},
    {Kind::uiDist, "uiDist", 550, 550},
    {Kind::uiTime, "uiTime", 600, 600},
    {Kind::uiSOG, "uiSOG", 600, 600},
    {Kind::CumDist, "CumDist", 700, 700},
    {Kind::CumTime, "CumTime", 800, 800},
    {Kind::CumAvSOG, "CumAvSOG", 950, 950},
    {Kind::TWS, "TWS", 450, 450},
    {Kind::TWD, "TWD", 480, 480},
    {Kind::TWA, "TWA", 480, 480},
    {Kind::AWS, "AWS", 480, 480},
    {Kind::AWA, "AWA", 480, 480},
    {Kind::WaterS, "WaterS", 600, 600},
}};

constexpr std::array<size_t, 13> kTrcColumns{0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13};

const Column* ColumnAt(bool trt, int col) {
  if (col < 0) return nullptr;
  const auto c = static_cast<size_t>(col);
  if (trt) return c < kTrtColumns.size() ? &kTrtColumns[c] : nullptr;
  return c < kTrcColumns.size() ? &kTrtColumns[kTrcColumns[c]] : nullptr;
}

constexpr double kMetresPerMile = 1852;

void AppendInteger(std::string& out, int64_t v) {
  char buf[24];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// A wind angle: "000", with a blank in the place of the sign when not negative.
void AppendAngle(std::string& out, float v, char sep) {
  if (!(v < 0)) out += ' ';
  AppendNumber(out, v, "000", sep);
}

}  // namespace

TrackTable::TrackTable(const ProcessedTrack& processed)
    : processed_(processed), decimalSeparator_(LocaleDecimalSeparator()) {}

int TrackTable::ColumnCount() const {
  return processed_.isTRT ? static_cast<int>(kTrtColumns.size()) : static_cast<int>(kTrcColumns.size());
}

std::string_view TrackTable::Head(int col) const {
  const Column* c = ColumnAt(processed_.isTRT, col);
  if (!c) return {};
  if (c->kind == Kind::Heading && processed_.trueHeading) return "tHDG";
  return c->head;
}

int32_t TrackTable::SetupWidth(int col) const {
  const Column* c = ColumnAt(processed_.isTRT, col);
  return c ? c->setupWidth : 0;
}

int32_t TrackTable::ResizedWidth(int col) const {
  const Column* c = ColumnAt(processed_.isTRT, col);
  return c ? c->resizedWidth : 0;
}

int32_t TrackTable::RowCount() const { return std::max(processed_.count, 1); }

std::string TrackTable::Cell(int32_t row, int col) const {
  std::string out;
  AppendCell(out, row, col);
  return out;
}

void TrackTable::AppendCell(std::string& out, int32_t row, int col) const {
  const Column* c = ColumnAt(processed_.isTRT, col);
  if (!c || row < 0 || row >= processed_.count) return;
  // Point 0 has no leg: its row shows only what the file holds.
  if (row == 0 && c->kind >= Kind::uiCOG && c->kind <= Kind::CumAvSOG) return;
  const ProcRec& p = processed_.ProcRecs[static_cast<size_t>(row)];
  const LegValues& leg = processed_.Legs[static_cast<size_t>(row)];
  const char sep = decimalSeparator_;
  switch (c->kind) {
    case Kind::TrptNo: AppendInteger(out, row); break;
    case Kind::DateTime: AppendDate(out, p.Time, "YYYYMMDD HH:MM:SS"); break;
    case Kind::Latitude: out += LatText(p.Pos.Lat, 0); break;
    case Kind::Longitude: out += LonText(p.Pos.Lon, 0); break;
    case Kind::Heading: AppendNumber(out, p.HDG, "0", sep); break;
    case Kind::COG: AppendNumber(out, p.COG, "0", sep); break;
    case Kind::SOG: AppendNumber(out, p.SOG, "0.0", sep); break;
    case Kind::uiCOG: AppendNumber(out, p.uiCOG, "0", sep); break;
    case Kind::uiDist: AppendNumber(out, leg.dist / kMetresPerMile, "0.000", sep); break;
    case Kind::uiTime: out += HoursSpanText(leg.hours / 24, "#"); break;
    case Kind::uiSOG: AppendNumber(out, leg.speed, "0.00", sep); break;
    case Kind::CumDist: AppendNumber(out, leg.cumDist / kMetresPerMile, "0.00", sep); break;
    case Kind::CumTime: out += HoursSpanText(leg.cumTime / 24, "0"); break;
    case Kind::CumAvSOG: AppendNumber(out, leg.cumAvSOG, "0.0", sep); break;
    case Kind::TWS: AppendNumber(out, p.TWS, "0.0", sep); break;
    case Kind::TWD: AppendNumber(out, p.TWD, "000", sep); break;
    case Kind::TWA: AppendAngle(out, p.TWA, sep); break;
    case Kind::AWS: AppendNumber(out, p.AWS, "0.0", sep); break;
    case Kind::AWA: AppendAngle(out, p.AWA, sep); break;
    case Kind::WaterS: AppendNumber(out, p.WaterS, "0.0", sep); break;
  }
}

void TrackTable::AppendRowText(std::string& out, int32_t row) const {
  const int columns = ColumnCount();
  for (int col = 0; col < columns; ++col) {
    if (col > 0) out += '\t';
    AppendCell(out, row, col);
  }
}

CellMark TrackTable::Mark(int32_t row, int col) const {
  if (row < 0 || row >= processed_.count) return CellMark::None;
  const LegValues& leg = processed_.Legs[static_cast<size_t>(row)];
  if (leg.red && (col == 1 || col == 8)) return CellMark::Red;
  // The mark lands on the row after the tack point, and follows a flag toggled by hand at once.
  if (col == 4 && row >= 1 && processed_.ProcRecs[static_cast<size_t>(row - 1)].TackFlag == kTackPoint)
    return CellMark::Yellow;
  return CellMark::None;
}

std::string TrackTable::CopyText(int32_t row1, int col1, int32_t row2, int col2) const {
  std::string out;
  const int columns = ColumnCount();
  for (int col = 1; col < columns; ++col) {
    if (col > 1) out += '\t';
    out += Head(col);
  }
  out += "\r\n";
  const int32_t lastRow = RowCount() - 1;
  const int32_t top = std::clamp(std::min(row1, row2), 0, lastRow);
  const int32_t bottom = std::clamp(std::max(row1, row2), 0, lastRow);
  const int left = std::clamp(std::min(col1, col2), 0, columns - 1);
  const int right = std::clamp(std::max(col1, col2), 0, columns - 1);
  for (int32_t row = top; row <= bottom; ++row) {
    if (row > top) out += "\r\n";
    for (int col = left; col <= right; ++col) {
      if (col > left) out += '\t';
      AppendCell(out, row, col);
    }
  }
  return out;
}

}  // namespace wl
