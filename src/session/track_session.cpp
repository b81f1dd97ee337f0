#include "session/track_session.h"

#include <algorithm>
#include <filesystem>

#include "nav/tack_detection.h"
#include "session/get_file_name.h"
#include "session/nmea_link.h"
#include "session/track_replay.h"
#include "track/track_commands.h"
#include "track/track_thinning.h"

namespace wl {

TrackSession::TrackSession(SettingsStore& settingsStore, UiPrompts& prompts, const SessionStart& start,
                           QObject* parent)
    : QObject(parent),
      settingsStore_(settingsStore),
      prompts_(prompts),
      repairHeading_(start.repairHeading),
      store_(std::make_unique<TrackStore>()),
      scratch_(std::make_unique<TrackBlock>()),
      processed_(std::make_unique<ProcessedTrack>()) {
  // The store keeps an unreadable file as it is and refuses every write: saying so once is enough.
  if (!settingsStore_.LoadError().empty()) prompts_.ShowMessage(settingsStore_.LoadError(), Icon::Exclamation);
  settings_ = LoadSettingsValues(settingsStore_, start.screenWidth, start.screenHeight,
                                 [this](SettingKey key, std::string_view text) { StoreSetting(key, text); });
  // The empty track derives no speed scale: the boxes keep their texts until a track is read.
  ProcessTrackRecs(*store_, *processed_, {settings_.tackAngle, true});
  history_.Reset();
  link_ = std::make_unique<NmeaLink>(*this);
  replay_ = std::make_unique<TrackReplay>(*this);
}

TrackSession::~TrackSession() = default;

bool TrackSession::WantsToSaveFirst() {
  return store_->DataChanged && prompts_.AskToStop("Data has changed, do you want to save first", Icon::None);
}

std::optional<std::string> TrackSession::ChooseFile(const std::string& title, bool save) {
  return GetFileName(title, save ? store_.get() : nullptr, prompts_, settingsStore_,
                     [this](SettingKey key, std::string_view text) { StoreSetting(key, text); });
}

bool TrackSession::Open() {
  if (WantsToSaveFirst()) return false;
  const std::optional<std::string> name = ChooseFile("Open first file", false);
  const bool opened = name && Read(*name);
  emit OpenEnded();
  return opened;
}

bool TrackSession::OpenFile(const std::string& fileName) {
  if (WantsToSaveFirst()) return false;
  const bool opened = Read(fileName);
  emit OpenEnded();
  return opened;
}

bool TrackSession::Read(const std::string& fileName) {
  emit TrackAboutToChange();
  if (OpenTrackFile(*store_, *scratch_, fileName, settings_.Reader(repairHeading_), prompts_) ==
      LoadOutcome::Untouched)
    return false;
  history_.Reset();
  AfterPointsChanged();
  return true;
}

bool TrackSession::InsertFile(int32_t after) {
  const std::optional<std::string> name = ChooseFile("Open append file", false);
  if (!name) return false;
  emit TrackAboutToChange();
  auto before = std::make_unique<TrackStore>(*store_);
  const LoadOutcome outcome =
      InsertTrackFile(*store_, *scratch_, *name, after, settings_.Reader(repairHeading_), prompts_);
  if (outcome == LoadOutcome::Untouched) return false;
  if (outcome == LoadOutcome::Inserted) history_.Push(std::move(before));
  AfterPointsChanged();
  return true;
}

bool TrackSession::DeletePoints(int32_t first, int32_t num) {
  // An empty track shows only its empty row: there is nothing to delete.
  if (store_->TrackCount == 0) return false;
  emit TrackAboutToChange();
  auto before = std::make_unique<TrackStore>(*store_);
  if (!DeleteTrackPoints(*store_, first, num, prompts_)) return false;
  history_.Push(std::move(before));
  AfterPointsChanged();
  return true;
}

bool TrackSession::Save(bool tackPointsOnly) {
  const std::optional<std::string> name = ChooseFile("Save file", true);
  if (!name) return false;
  PointFilter keep;
  if (tackPointsOnly) {
    keep = [this](int32_t i) { return processed_->ProcRecs[static_cast<size_t>(i)].TackFlag == kTackPoint; };
  }
  if (!SaveTrackFile(*store_, *name, keep, prompts_)) return false;
  history_.MarkSaved();
  outputFileName_ = *name;
  emit TrackChanged();
  return true;
}

bool TrackSession::DeleteOpenFile() {
  const std::string name = store_->InputFileName;
  std::error_code ec;
  if (name.empty() || !std::filesystem::exists(name, ec) || std::filesystem::is_directory(name, ec)) return true;
  if (!prompts_.AskYesNo("Permanently Delete " + name, Icon::None, true)) return false;
  if (!std::filesystem::remove(name, ec) && ec) {
    prompts_.ShowMessage(name + "\r\ncould not be deleted: " + ec.message(), Icon::Exclamation);
    return false;
  }
  return true;
}

bool TrackSession::Undo() { return StepHistory(true); }

bool TrackSession::Redo() { return StepHistory(false); }

bool TrackSession::StepHistory(bool back) {
  if (!(back ? history_.CanUndo() : history_.CanRedo())) return false;
  emit TrackAboutToChange();
  if (back) {
    history_.Undo(*store_);
  } else {
    history_.Redo(*store_);
  }
  AfterPointsChanged();
  return true;
}

void TrackSession::Reprocess() { Process(); }

bool TrackSession::MayQuit() {
  return !store_->DataChanged ||
         prompts_.AskYesNo("Data have changed, do you want to quit without saving ?", Icon::None, true);
}

void TrackSession::Process() {
  const std::optional<SpeedScale> scale =
      ProcessTrackRecs(*store_, *processed_, ProcessingOptions(settings_),
                       [this](const std::string& caption) { emit Progress(QString::fromStdString(caption)); });
  const auto begin = processed_->ProcRecs.begin();
  const auto tackPoints = std::count_if(begin, begin + processed_->count,
                                       [](const ProcRec& rec) { return rec.TackFlag == kTackPoint; });
  denseLog_ = IsDenseLog(*store_, static_cast<int32_t>(tackPoints));
  const int32_t cursor = std::clamp(cursor_, 0, std::max(processed_->count - 1, 0));
  const bool cursorMoved = cursor != cursor_;
  cursor_ = cursor;
  if (scale) {
    // Derived from this track only: stored, it would fix the scale from the next start on.
    settings_.UseDerivedSpeedScale(scale->high, scale->low);
    emit SettingChanged(SettingKey::PlotSpeedHigh);
    emit SettingChanged(SettingKey::PlotSpeedLow);
  }
  emit TrackProcessed();
  if (cursorMoved) emit CursorMoved(cursor_);
}

void TrackSession::AfterPointsChanged() {
  Process();
  plottable_ = EnoughPoints(store_->TrackCount, prompts_);
  emit TrackChanged();
}

void TrackSession::ToggleTackFlag(int32_t index) {
  if (index < 0 || index >= processed_->count) return;
  int16_t& flag = processed_->ProcRecs[static_cast<size_t>(index)].TackFlag;
  if (flag == kOutlier) return;
  flag = flag == kTackPoint ? kOrdinary : kTackPoint;
  emit TackFlagChanged(index);
}

void TrackSession::SetCursor(int32_t index) {
  index = std::clamp(index, 0, std::max(processed_->count - 1, 0));
  if (index == cursor_) return;
  cursor_ = index;
  emit CursorMoved(cursor_);
}

void TrackSession::ChangeSettings(std::initializer_list<SettingKey> keys,
                                  const std::function<void(SettingsValues&)>& change) {
  change(settings_);
  for (SettingKey key : keys) {
    if (const std::optional<std::string> text = StoredText(settings_, key)) StoreSetting(key, *text);
  }
  for (SettingKey key : keys) emit SettingChanged(key);
}

std::string TrackSession::StoredSetting(SettingKey key) const { return ReadSetting(settingsStore_, key); }

void TrackSession::StoreSetting(SettingKey key, std::string_view text) {
  const SettingDef& def = Setting(key);
  if (def.section.empty()) return;  // lives in memory only
  if (settingsStore_.Save(def.section, def.name, text)) {
    shownSettingsError_.clear();
    return;
  }
  // One message per kind of failure, not one per setting written.
  if (!settingsStore_.LoadError().empty() || settingsStore_.LastError() == shownSettingsError_) return;
  shownSettingsError_ = settingsStore_.LastError();
  prompts_.ShowMessage(shownSettingsError_, Icon::Exclamation);
}

}  // namespace wl
