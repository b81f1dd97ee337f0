#include "nav/tack_list.h"

#include <algorithm>
#include <cmath>

#include "nav/hours_text.h"
#include "nav/tack_stats.h"
#include "track/date_format.h"
#include "track/number_format.h"
#include "track/number_parser.h"

namespace wl {

namespace {

constexpr size_t kTackCOGColumn = 6;

class Builder {
 public:
  explicit Builder(const ProcessedTrack& processed) : p_(processed) {
    list_.rows.push_back({"Date and Time (UTC)", "EndTime", "tackTIME: ", "tackDIST: ", "Traveled: ",
                          p_.trueHeading ? "avtHDG:    " : "avHDG:    ", "tackCOG:  ", "tackSOG: "});
    list_.widths = {1650, 800, 800, 750, 800, 680, 850, 750};
    if (p_.isTRT) {
      auto& heads = list_.rows[0];
      heads.insert(heads.end(), {"avSPD: ", "avTWS: ", "avTWD: ", "avTWA: "});
      list_.widths.insert(list_.widths.end(), {600, 650, 650, 650});
    }
    list_.rows[0].push_back("tack Angle: ");
    list_.widths.push_back(750);
    list_.firstPoints.push_back(-1);
    Push(EmptyRow(), -1);
  }

  TackList Build() {
    bool inStop = false;
    int32_t stopStart = 0;
    bool first = true;
    int32_t prev = 0;
    for (int32_t k = 1; k < p_.count; ++k) {
      const ProcRec& rec = At(k);
      const double s = rec.uiSOG;
      if (s >= 0.5 && s <= 12) {
        if (inStop) {
          AddWaitRow(stopStart, k - 1);
          inStop = false;
        }
        if (rec.TackFlag == kTackPoint) {
          AddTackRow(prev, k);
          if (first && list_.rows.size() > 2) {
            list_.rows.erase(list_.rows.begin() + 1);
            list_.firstPoints.erase(list_.firstPoints.begin() + 1);
            first = false;
          }
          prev = k;
        }
      } else {
        if (!inStop) {
          inStop = true;
          stopStart = k - 1;
        }
        // The next leg starts at the last point of the wait.
        prev = k;
      }
    }
    if (inStop) AddWaitRow(stopStart, p_.count - 1);
    return std::move(list_);
  }

 private:
  const ProcRec& At(int32_t i) const { return p_.ProcRecs[static_cast<size_t>(i)]; }
  std::vector<std::string> EmptyRow() const { return std::vector<std::string>(list_.widths.size()); }
  void Push(std::vector<std::string> row, int32_t firstPoint) {
    list_.rows.push_back(std::move(row));
    list_.firstPoints.push_back(firstPoint);
  }

  void AddTackRow(int32_t s, int32_t e) {
    const TackRec leg = MakeTackRec(p_, s, e);
    std::vector<std::string> row = EmptyRow();
    row[0] = FormatDate(leg.StartTime, "YYYYMMDD HH:MM:SS");
    row[1] = FormatDate(leg.EndTime, "HH:MM:SS");
    row[2] = FormatDate(leg.tackTIME / 24, "hh:mm:ss");
    row[3] = FormatNumber(leg.tackDIST, "#.00");
    row[4] = FormatNumber(leg.Traveled, "#.00");
    // "0", not "#": a leg sailed due north shows its course.
    row[5] = leg.hasAverages ? FormatNumber(leg.avHDG, "0") : "N/A";
    row[kTackCOGColumn] = FormatNumber(leg.tackCOG, "0");
    row[7] = FormatNumber(leg.tackSOG, "#.0");
    if (p_.isTRT) {
      row[8] = leg.hasAverages ? FormatNumber(leg.avSPD, "0.0") : "N/A";
      row[9] = leg.hasAverages ? FormatNumber(leg.avTWS, "0.0") : "N/A";
      row[10] = leg.hasAverages ? FormatNumber(leg.avTWD, "0") : "N/A";
      row[11] = leg.hasAverages ? FormatNumber(leg.avTWA, "0") : "N/A";
    }
    // The previous row learns its tack angle now that the next leg is known; a wait row or the
    // empty first row has no course to turn from.
    if (lastRowIsTack_) {
      auto& last = list_.rows.back();
      const double previous = std::nearbyint(ParseNumber(last[kTackCOGColumn]));
      last.back() = FormatNumber(TurnBetweenLegs(previous, leg.tackCOG), "00");
    }
    Push(std::move(row), s);
    lastRowIsTack_ = true;
  }

  void AddWaitRow(int32_t start, int32_t e) {
    std::vector<std::string> row = EmptyRow();
    row[0] = FormatDate(At(start).Time, "YYYYMMDD HH:MM:SS");
    row[1] = FormatDate(At(e).Time, "HH:MM:SS");
    const double hours = (At(e).Time - At(start).Time) * 24;
    row[2] = HoursSpanText(hours / 24, "0");
    Push(std::move(row), start);
    lastRowIsTack_ = false;
  }

  const ProcessedTrack& p_;
  TackList list_;
  bool lastRowIsTack_ = false;  // the empty first row is none
};

}  // namespace

TackList BuildTackList(const ProcessedTrack& processed) { return Builder(processed).Build(); }

void SelectAll(TackList& list) {
  if (list.rows.size() <= 2) return;
  list.selection = {1, 0, static_cast<int32_t>(list.rows.size()) - 1, static_cast<int32_t>(list.widths.size()) - 1};
}

std::string TackListCopyText(const TackList& list) {
  if (list.rows.empty()) return {};
  const auto& heads = list.rows[0];
  std::string text;
  for (size_t c = 0; c < heads.size(); ++c) {
    if (c > 0) text += '\t';
    text += heads[c];
  }
  text += "\r\n";
  // A selection reaching past the grid keeps to the cells that exist.
  const int32_t lastRow = static_cast<int32_t>(list.rows.size()) - 1;
  const int32_t lastCol = static_cast<int32_t>(heads.size()) - 1;
  const GridSelection& s = list.selection;
  const int32_t r1 = std::clamp(std::min(s.row1, s.row2), 0, lastRow);
  const int32_t r2 = std::clamp(std::max(s.row1, s.row2), 0, lastRow);
  const int32_t c1 = std::clamp(std::min(s.col1, s.col2), 0, lastCol);
  const int32_t c2 = std::clamp(std::max(s.col1, s.col2), 0, lastCol);
  for (int32_t r = r1; r <= r2; ++r) {
    if (r > r1) text += "\r\n";
    for (int32_t c = c1; c <= c2; ++c) {
      if (c > c1) text += '\t';
      text += list.rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
    }
  }
  return text;
}

}  // namespace wl
