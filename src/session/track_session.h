#pragma once
// The one open track behind every window: the track store, the processed track, the live
// settings and their store, the undo history and the current point of the plot. Windows call its
// commands and follow its signals; none of them reaches into another.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "nav/track_processing.h"
#include "track/track_history.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "track/track_store.h"
#include "track/ui_prompts.h"

namespace wl {

struct SessionStart {
  float screenWidth = 0, screenHeight = 0;  // twips, for the default window position
  bool repairHeading = false;               // the heading repair of .trt files
};

class NmeaLink;
class TrackReplay;

class TrackSession : public QObject {
  Q_OBJECT

 public:
  // Reads the stored settings and processes the empty track.
  TrackSession(SettingsStore& settingsStore, UiPrompts& prompts, const SessionStart& start,
               QObject* parent = nullptr);
  ~TrackSession() override;

  const TrackStore& Store() const { return *store_; }
  const ProcessedTrack& Processed() const { return *processed_; }
  const SettingsValues& Settings() const { return settings_; }
  UiPrompts& Prompts() const { return prompts_; }
  // The points, after the last change of them, were enough to plot and to list tacks.
  bool Plottable() const { return plottable_; }
  // The full name of the last file saved; empty before the first save.
  const std::string& OutputFileName() const { return outputFileName_; }
  // The plot's current point, within the processed points (0 for an empty track).
  int32_t Cursor() const { return cursor_; }
  // The last pass found a dense log: points a second or two apart, and the tack rule firing on
  // their GPS noise.
  bool DenseLog() const { return denseLog_; }
  // Where the replay's sentences go, as the settings choose.
  NmeaLink& Link() { return *link_; }
  // The replay of the track from the current point (the plot's F2).
  TrackReplay& Replay() { return *replay_; }

  // The commands. Those that return bool tell whether they changed the track (or the file).
  // Open: the "save first" question, the file dialog, the read.
  bool Open();
  // Open without the dialog (a dropped file, the command line); still asks "save first".
  bool OpenFile(const std::string& fileName);
  // Insert file after the point with index `after`: file dialog, kind check, question, read.
  bool InsertFile(int32_t after);
  // Deletes num points from index first once the user confirms.
  bool DeletePoints(int32_t first, int32_t num);
  // File dialog, overwrite question, write; true when the file was written.
  bool Save(bool tackPointsOnly);
  // Deletes the file the track was read from, once confirmed; true when no such file is left.
  bool DeleteOpenFile();
  // Thin Track: asks the interval (whole seconds), says how many points remain, and thins once
  // the user confirms; one edit, undone as one.
  bool Thin();
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Runs the processing pass again, after a change of what it reads (the tack angle).
  void Reprocess();
  // True when the program may end: nothing changed, or the user lets the changes go.
  bool MayQuit();
  // The plot's F1: TackFlag 0 and 1 swap, 2 stays; until the next pass, DataChanged untouched.
  void ToggleTackFlag(int32_t index);
  // Moves the current point, clamped to the track.
  void SetCursor(int32_t index);

  // Applies `change` to the live values, writes each stored key among `keys` with the text the
  // values give it, then emits SettingChanged for each key, in order.
  void ChangeSettings(std::initializer_list<SettingKey> keys, const std::function<void(SettingsValues&)>& change);
  void ChangeSetting(SettingKey key, const std::function<void(SettingsValues&)>& change) {
    ChangeSettings({key}, change);
  }
  // The settings file's text of a stored key (its default when absent).
  std::string StoredSetting(SettingKey key) const;
  // Every write of the settings file by the desktop program comes through here.
  void StoreSetting(SettingKey key, std::string_view text);

 signals:
  // The points are about to change (open, insert, delete, undo, redo): a replay stops here.
  void TrackAboutToChange();
  // The points or the file they belong to changed (the above, and a save).
  void TrackChanged();
  // An Open went past the "save first" question, whatever came of it (also a cancelled dialog).
  void OpenEnded();
  // A processing pass ran: the processed track, and the table made from it, are new.
  void TrackProcessed();
  void TackFlagChanged(int32_t index);
  // Also for the speed scale a pass derived: the live values hold it, the settings file does not.
  void SettingChanged(wl::SettingKey key);
  void CursorMoved(int32_t index);
  // The pass's count-down, to be painted at once: the pass does not yield to the event loop.
  void Progress(const QString& caption);

 private:
  bool WantsToSaveFirst();
  std::optional<std::string> ChooseFile(const std::string& title, bool save);
  bool Read(const std::string& fileName);
  bool StepHistory(bool back);
  void Process();
  // After the points changed: the pass, the plottable check, the signal.
  void AfterPointsChanged();

  SettingsStore& settingsStore_;
  UiPrompts& prompts_;
  const bool repairHeading_;
  SettingsValues settings_;
  std::unique_ptr<TrackStore> store_;
  std::unique_ptr<TrackBlock> scratch_;
  std::unique_ptr<ProcessedTrack> processed_;
  TrackHistory history_;
  bool plottable_ = false;
  std::string outputFileName_;
  int32_t cursor_ = 0;
  bool denseLog_ = false;
  std::string shownSettingsError_;  // the last failed settings write the user was told of
  std::unique_ptr<NmeaLink> link_;  // last: it follows the session's signals
  std::unique_ptr<TrackReplay> replay_;  // made last, gone first: it reads everything above
};

}  // namespace wl
