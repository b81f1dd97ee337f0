#include "track/track_store.h"

#include <algorithm>
#include <limits>

#include "nav/geodesy.h"

namespace wl {

namespace {

// A line reference clamped to its buffer, so that a damaged reference can never read outside it.
std::string_view LineOf(std::string_view text, LineRef ref) {
  if (ref.offset >= text.size()) return {};
  return text.substr(ref.offset, ref.length);
}

constexpr size_t kMaxText = std::numeric_limits<uint32_t>::max();

}  // namespace

TrackBlock::TrackBlock() : recs(kTrackCapacity) {}

TrackStore::TrackStore() : TrackRecs(kTrackCapacity) {}

std::string_view TrackStore::Line(int32_t i) const {
  if (i < 0 || i >= kTrackCapacity) return {};
  return LineOf(text_, TrackRecs[static_cast<size_t>(i)].Line);
}

bool TrackStore::InsertTrackRecs(const TrackBlock& block, int32_t newCount, int32_t insertPos,
                                 const std::string& fileName, Prompts& prompts) {
  auto refuse = [&] {
    prompts.ShowMessage("inserting: " + fileName + "\r\n" + "Combined files too long, will not process ",
                        Icon::Exclamation);
    return false;
  };
  if (int64_t{TrackCount} + newCount - 1 > kTrackCapacity - 1) return refuse();
  newCount = std::clamp(newCount, 0, static_cast<int32_t>(block.recs.size()));
  insertPos = std::clamp(insertPos, 0, TrackCount);

  // Lines of points no longer held stay in the buffer until the next open; dropping them here
  // keeps it from growing across opens.
  if (TrackCount == 0) text_.clear();

  const auto first = block.recs.begin();
  const auto last = first + newCount;
  size_t added = 0;
  for (auto r = first; r != last; ++r) added += LineOf(block.text, r->Line).size();
  // Line references are 32-bit.
  if (text_.size() + added > kMaxText) return refuse();
  text_.reserve(text_.size() + added);

  auto recs = TrackRecs.begin();
  std::copy_backward(recs + insertPos, recs + TrackCount, recs + TrackCount + newCount);
  auto dest = recs + insertPos;
  for (auto r = first; r != last; ++r, ++dest) {
    *dest = *r;
    const std::string_view line = LineOf(block.text, r->Line);
    dest->Line = LineRef{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(line.size())};
    text_.append(line);
  }
  TrackCount += newCount;
  return true;
}

void TrackStore::DeleteTrackRecs(int32_t pos, int32_t num) {
  if (num < 1) return;
  // A range outside the held points would move records beyond the array; leave the track as is.
  if (pos < 1 || static_cast<int64_t>(pos) - 1 + num > TrackCount) return;
  auto recs = TrackRecs.begin();
  std::copy(recs + (pos - 1) + num, recs + TrackCount, recs + (pos - 1));
  TrackCount -= num;
}

int32_t TrackStore::RetainTrackRecs(const std::vector<bool>& keep) {
  const size_t count = static_cast<size_t>(std::clamp(TrackCount, 0, kTrackCapacity));
  size_t kept = 0;
  for (size_t i = 0; i < count; ++i) {
    if (i < keep.size() && !keep[i]) continue;
    if (kept != i) TrackRecs[kept] = TrackRecs[i];
    ++kept;
  }
  TrackCount = static_cast<int32_t>(kept);
  return static_cast<int32_t>(count - kept);
}

float TrackStore::GetCumDist() const {
  double sum = 0;
  for (int32_t i = 1; i < TrackCount; ++i) {
    sum += GetDist(TrackRecs[static_cast<size_t>(i - 1)].Pos, TrackRecs[static_cast<size_t>(i)].Pos);
  }
  return static_cast<float>(sum / 1852);
}

}  // namespace wl
