#include "track_options.h"

#include <charconv>

#include "cli_command.h"
#include "nav/tack_angle.h"
#include "track/track_commands.h"
#include "track/track_thinning.h"

namespace wl::cli {

const char* TrackOptionsHelp() {
  return "track options:\n"
         "  --tack-angle N          turn angle that marks a new tack: 15 to 60, or 0 for none (default 30)\n"
         "  --true-heading          show true heading for .trt files\n"
         "  --deviation D           deviation if none in file, degrees (default -1.2)\n"
         "  --time-offset HH:MM:SS  difference CT - UTC of .trt clock times (default 02:00:00)\n"
         "  --time-offset-minus     the difference is negative\n"
         "  --repair-heading        repair swapped headings of .trt files\n"
         "  --insert AFTER:FILE     insert FILE after point Trpt# AFTER (repeatable)\n"
         "  --delete FROM[-TO]      delete points Trpt# FROM to TO (repeatable)\n"
         "  --thin SECONDS          keep the first and last point and one point every SECONDS\n"
         "                          (whole seconds 1 to 3600; repeatable)\n"
         "  inserts, deletes and thinnings are applied in the order given\n";
}

// A whole decimal number without sign, nothing else.
static bool ParseIndex(std::string_view text, int32_t& value) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return res.ec == std::errc() && res.ptr == text.data() + text.size();
}

// "H:MM:SS" or "HH:MM:SS" within one day; written back as "HH:MM:SS".
static bool NormaliseTimeOffset(std::string_view text, std::string& out) {
  std::string t(text.size() == 7 ? 1 : 0, '0');
  t += text;
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (size_t i : {0, 1, 3, 4, 6, 7})
    if (t[i] < '0' || t[i] > '9') return false;
  auto two = [&](size_t i) { return (t[i] - '0') * 10 + (t[i + 1] - '0'); };
  if (two(0) > 23 || two(3) > 59 || two(6) > 59) return false;
  out = t;
  return true;
}

static bool ParseInsert(std::string_view value, TrackEdit& edit) {
  size_t colon = value.find(':');
  if (colon == std::string_view::npos || colon + 1 == value.size()) return false;
  edit.kind = TrackEdit::Kind::Insert;
  edit.file = std::string(value.substr(colon + 1));
  return ParseIndex(value.substr(0, colon), edit.first);
}

static bool ParseDelete(std::string_view value, TrackEdit& edit) {
  edit.kind = TrackEdit::Kind::Delete;
  size_t dash = value.find('-');
  if (dash == std::string_view::npos) {
    if (!ParseIndex(value, edit.first)) return false;
    edit.last = edit.first;
    return true;
  }
  return ParseIndex(value.substr(0, dash), edit.first) && ParseIndex(value.substr(dash + 1), edit.last);
}

int ParseTrackOptions(std::vector<std::string>& args, TrackOptions& options, CliPrompts& prompts) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--true-heading") {
      options.trueHeading = true;
      continue;
    }
    if (a == "--time-offset-minus") {
      options.timeOffsetMinus = true;
      continue;
    }
    if (a == "--repair-heading") {
      options.repairHeading = true;
      continue;
    }
    bool takesValue = a == "--tack-angle" || a == "--deviation" || a == "--time-offset" || a == "--insert" ||
                      a == "--delete" || a == "--thin";
    if (!takesValue) {
      rest.push_back(a);
      continue;
    }
    if (i + 1 == args.size()) return UsageError(a + " needs a value");
    const std::string& value = args[++i];
    if (a == "--tack-angle") {
      TackAngleCheck check = CheckTackAngle(value);
      if (!check.accepted) {
        prompts.ShowMessage(TackAngleMessage(), Icon::None);
        return kExitUsage;
      }
      options.tackAngle = check.text;
    } else if (a == "--deviation") {
      options.deviation = value;
    } else if (a == "--time-offset") {
      if (!NormaliseTimeOffset(value, options.timeOffset))
        return UsageError("--time-offset needs a time of day HH:MM:SS, not \"" + value + "\"");
    } else if (a == "--thin") {
      TrackEdit edit{};
      edit.kind = TrackEdit::Kind::Thin;
      if (!ParseIndex(value, edit.seconds) || edit.seconds < kThinMinSeconds || edit.seconds > kThinMaxSeconds)
        return UsageError("--thin needs whole seconds " + std::to_string(kThinMinSeconds) + " to " +
                          std::to_string(kThinMaxSeconds) + ", not \"" + value + "\"");
      options.edits.push_back(std::move(edit));
    } else {
      TrackEdit edit{};
      bool ok = a == "--insert" ? ParseInsert(value, edit) : ParseDelete(value, edit);
      if (!ok)
        return UsageError(a + (a == "--insert" ? " needs AFTER:FILE" : " needs FROM or FROM-TO") + ", not \"" +
                          value + "\"");
      options.edits.push_back(std::move(edit));
    }
  }
  args = std::move(rest);
  return kExitOk;
}

static std::string PointRange(const TrackStore& store) {
  if (store.TrackCount == 0) return "the track has no points";
  return "the track's points are Trpt# 0 to " + std::to_string(store.TrackCount - 1);
}

static int Insert(LoadedTrack& t, const TrackEdit& e, const TrackOptions& options, CliPrompts& prompts) {
  TrackStore& store = t.store;
  if (e.first >= store.TrackCount)
    return UsageError("--insert after Trpt# " + std::to_string(e.first) + ": " + PointRange(store));
  LoadOutcome outcome =
      InsertTrackFile(store, t.scratch, e.file, e.first, t.settings.Reader(options.repairHeading), prompts);
  return outcome == LoadOutcome::Inserted ? kExitOk : kExitFileError;
}

static int Delete(TrackStore& store, const TrackEdit& e, CliPrompts& prompts) {
  if (e.first > e.last || e.last >= store.TrackCount) {
    std::string range = std::to_string(e.first);
    if (e.last != e.first) (range += '-') += std::to_string(e.last);
    return UsageError("--delete " + range + ": " + PointRange(store));
  }
  DeleteTrackPoints(store, e.first, e.last - e.first + 1, prompts);
  return kExitOk;
}

int LoadTrack(const std::string& file, const TrackOptions& options, LoadedTrack& out, CliPrompts& prompts) {
  SettingsValues& s = out.settings;
  s.tackAngle = options.tackAngle;
  s.txtDfDev = options.deviation;
  s.useTrueHeading = options.trueHeading;
  s.txtTimeOffset = options.timeOffset;
  s.timeOffsetSign = options.timeOffsetMinus;

  if (OpenTrackFile(out.store, out.scratch, file, s.Reader(options.repairHeading), prompts) != LoadOutcome::Inserted)
    return kExitFileError;

  for (const TrackEdit& e : options.edits) {
    int rc = kExitOk;
    switch (e.kind) {
      case TrackEdit::Kind::Insert: rc = Insert(out, e, options, prompts); break;
      case TrackEdit::Kind::Delete: rc = Delete(out.store, e, prompts); break;
      case TrackEdit::Kind::Thin: ThinTrack(out.store, e.seconds); break;
    }
    if (rc != kExitOk) return rc;
  }
  return kExitOk;
}

std::unique_ptr<ProcessedTrack> ProcessLoadedTrack(LoadedTrack& track) {
  auto processed = std::make_unique<ProcessedTrack>();
  if (auto scale = ProcessTrackRecs(track.store, *processed, ProcessingOptions(track.settings)))
    track.settings.UseDerivedSpeedScale(scale->high, scale->low);
  return processed;
}

}  // namespace wl::cli
