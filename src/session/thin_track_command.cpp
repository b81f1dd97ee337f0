// Thin Track: the interval asked, the points that remain told, then one undoable edit.
#include <algorithm>
#include <charconv>

#include "session/track_session.h"
#include "track/track_thinning.h"

namespace wl {

namespace {

const std::string kRange = std::to_string(kThinMinSeconds) + " to " + std::to_string(kThinMaxSeconds);

std::optional<int32_t> WholeSeconds(const std::string& text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kThinMinSeconds || value > kThinMaxSeconds) return std::nullopt;
  return value;
}

}  // namespace

bool TrackSession::Thin() {
  if (store_->TrackCount == 0) return false;
  const std::optional<std::string> typed =
      prompts_.AskWholeNumber("Thin Track: keep one point every how many seconds? (" + kRange + ")",
                              kThinDefaultSeconds);
  if (!typed) return false;
  const std::optional<int32_t> seconds = WholeSeconds(*typed);
  if (!seconds) {
    prompts_.ShowMessage("The interval must be a whole number of seconds from " + kRange + ", not \"" + *typed + "\"",
                         Icon::Exclamation);
    return false;
  }
  const std::vector<bool> keeps = ThinningKeeps(*store_, *seconds);
  const auto kept = std::count(keeps.begin(), keeps.end(), true);
  const std::string every = "Thinning to one point every " + std::to_string(*seconds) + " s leaves ";
  const std::string all = std::to_string(store_->TrackCount) + " points";
  if (kept == store_->TrackCount) {
    prompts_.ShowMessage(every + "all " + all + ": nothing to thin", Icon::Information);
    return false;
  }
  if (!prompts_.AskYesNo(every + std::to_string(kept) + " of " + all + ". Thin the track?", Icon::Question, false))
    return false;
  emit TrackAboutToChange();
  auto before = std::make_unique<TrackStore>(*store_);
  ThinTrack(*store_, *seconds);
  history_.Push(std::move(before));
  AfterPointsChanged();
  return true;
}

}  // namespace wl
